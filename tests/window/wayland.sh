#!/usr/bin/env bash
# Under a Wayland desktop (a headless weston of the test's own): the frame's
# maximise and minimise leave the game running at its sizes (wayland_tests), the
# game runs on Wayland when it is all there is, and with an X display there too the game opens its windows on X11, where the frame,
# the centring and the window flags hold. Usage: wayland.sh GAME SCREENGRAB WAYLAND_TESTS
source "$(dirname "$0")/session.sh"
wayland_tests=$3

# Wayland's messages are in the byte order of the machine: a game built for the other
# order (s390x under qemu-user on amd64) cannot talk to this machine's weston.
byte_order() { od -An -tu1 -j5 -N1 "$1" | tr -d ' '; } # the ELF header's: 1 little-, 2 big-endian
if [ "$(byte_order "$game_binary")" != "$(byte_order "$(command -v weston)")" ]; then
    echo "SKIPPED: the game's byte order is not weston's, and Wayland speaks in the machine's own"
    exit 77
fi
weston_pid=""
trap '[ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null; cleanup' EXIT

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=wayland-test --no-config --idle-time=0 >"$work/weston.log" 2>&1 &
weston_pid=$!
wait_until 10 test -S "$XDG_RUNTIME_DIR/wayland-test" || { cat "$work/weston.log" >&2; fail "weston did not start"; }

# Under LeakSanitizer, allocations are traced through every frame (slower, and only
# here): Mesa's EGL, which Qt's Wayland platform loads for the frame, keeps one of
# its driver's, and only the whole trace shows that it is Mesa's (tools/lsan.supp).
env -u DISPLAY WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland \
    LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}fast_unwind_on_malloc=0" "$wayland_tests" >"$work/frame.log" 2>&1 \
    || { cat "$work/frame.log" >&2; fail "the frame's buttons broke the game under Wayland"; }

# Wayland alone, no platform chosen: the game runs there, its window's app_id the
# desktop entry's id (the client's protocol log shows it); then it is stopped.
env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-test WAYLAND_DEBUG=client "$game_binary" 2>"$work/stderr" &
game_pid=$!
app_id_set_or_ended() { grep -q 'set_app_id(' "$work/stderr" || game_ended; }
wait_until 10 app_id_set_or_ended || true
kill -0 "$game_pid" 2>/dev/null || fail "the game did not run under Wayland alone"
app_id=$(sed -n 's/.*set_app_id("\(.*\)").*/\1/p' "$work/stderr" | head -n1)
[ "$app_id" = org.zellomar.zellomar ] || fail "the Wayland app_id is \"$app_id\", not the desktop entry's id org.zellomar.zellomar"
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=""

# Both displays, no platform chosen: the windows open on the X display.
start_display
export WAYLAND_DISPLAY=wayland-test XDG_SESSION_TYPE=wayland
install_game
start_game
start=$(wait_window "$start_size") || fail "no start window on the X display with Wayland there too"
xdotool windowactivate --sync "$start"
xdotool key alt+x
expect_exit 0
