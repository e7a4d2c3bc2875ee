# Without a display, or with one that does not answer (X11 or Wayland), the game
# says so in one line and exits with status 1 within 5 s, whatever platform the
# player asked for. A stopped X server takes the connection and never answers.
set -u
dead=99
while [ -e "/tmp/.X11-unix/X$dead" ] || [ -e "/tmp/.X$dead-lock" ]; do dead=$((dead + 1)); done
runtime=$(mktemp -d) # a runtime folder where no compositor listens
Xvfb -displayfd 3 -nolisten tcp 3>"$runtime/stopped" 2>/dev/null &
xvfb=$!
trap 'kill -CONT $xvfb; kill $xvfb; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do [ -s "$runtime/stopped" ] && break; sleep 0.05; done
kill -STOP $xvfb
stopped=$(head -n1 "$runtime/stopped")
failed=0
check() { # EXPECTED-REASON ENV-SETTINGS...
    local reason=$1 out status
    shift
    out=$(timeout 5 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$game" 2>&1)
    status=$? # 124 when it took longer
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
check "WAYLAND_DISPLAY wayland-9 does not answer" XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-9
check "WAYLAND_DISPLAY wayland-9 does not answer" XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-9 QT_QPA_PLATFORM=wayland
check "DISPLAY :$dead does not answer" XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-9 DISPLAY=":$dead"
check "DISPLAY :$stopped does not answer" DISPLAY=":$stopped"
check "DISPLAY :$stopped does not answer" DISPLAY=":$stopped" QT_QPA_PLATFORM=xcb
echo "$((9 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
