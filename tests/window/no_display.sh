# Without a display the game says so in one line and exits with status 1.
set -u
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
status=$?
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status"; exit 1; }
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || { echo "FAIL: more than one line: $out"; exit 1; }
case "$out" in *"no display"*) ;; *) echo "FAIL: $out"; exit 1 ;; esac
echo "1 passed, 0 failed"
