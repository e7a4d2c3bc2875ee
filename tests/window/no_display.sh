# Without a display, or with one that does not answer, the game says so in one
# line and exits with status 1, whatever platform the player asked for.
set -u
dead=99
while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do dead=$((dead + 1)); done
failed=0
check() { # EXPECTED-REASON ENV-SETTINGS...
    local reason=$1 out status
    shift
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$game" 2>&1)
    status=$?
    if [ "$status" -ne 1 ] || [ "$out" != "zellomar: no display found ($reason); start it from a desktop session" ]; then
        echo "FAIL: with $*: exit status $status, output: $out"
        failed=$((failed + 1))
    fi
}
game=$1
check "DISPLAY is not set"
check "DISPLAY is not set" QT_QPA_PLATFORM=xcb
check "DISPLAY :$dead does not answer" DISPLAY=":$dead"
check "DISPLAY :$dead does not answer" DISPLAY=":$dead" QT_QPA_PLATFORM=xcb
echo "$((4 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
