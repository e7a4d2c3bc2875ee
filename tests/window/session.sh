# Sourced by the real-window tests. Gives each test its own X display with a
# window manager, a copy of the game in a temporary folder, and helpers to find
# the game's windows. Everything is stopped and removed when the test exits.
set -euo pipefail

game_binary=$1
screengrab=${2:-}
work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
game_pid=""
helper_pids="" # what a test starts besides these, stopped after the game in the order started

cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    for pid in $helper_pids; do kill "$pid" 2>/dev/null || true; done
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/stderr" ] && sed 's/^/game: /' "$work/stderr" >&2
    exit 1
}

# A private display: Xvfb picks a free number and tells it on a file descriptor.
# Arguments go to Xvfb, whose messages land in $work/xvfb.log. The screen is
# $screen_size (1024x768 unless set), and $window_manager (openbox unless set,
# or none) manages the windows.
start_display() {
    rm -f "$work/display" "$work/wm-ready"
    Xvfb -displayfd 3 -screen 0 "${screen_size:-1024x768}x24" -nolisten tcp "$@" 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$work/display")"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    local wm=${window_manager:-openbox} ready=()
    [ "$wm" = none ] && return 0
    # A window mapped while openbox starts up is lost: openbox runs its --startup
    # command once it manages windows. Another window manager is taken as ready once
    # it holds the screen.
    if [ "$(basename "$wm")" = openbox ]; then
        "$wm" --startup "touch $work/wm-ready" >"$work/wm.log" 2>&1 &
        ready=(test -e "$work/wm-ready")
    else
        "$wm" >"$work/wm.log" 2>&1 &
        ready=(sh -c "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'")
    fi
    wm_pid=$!
    for _ in $(seq 200); do
        "${ready[@]}" && return 0
        kill -0 "$wm_pid" 2>/dev/null || fail "$wm ended at its start: $(cat "$work/wm.log")"
        sleep 0.05
    done
    fail "$wm was not ready in 10 s"
}

# Ends the game, the window manager and the display, so that another can start.
stop_display() {
    kill $game_pid $wm_pid $xvfb_pid 2>/dev/null || true
    wait $game_pid $wm_pid $xvfb_pid 2>/dev/null || true
    game_pid="" wm_pid="" xvfb_pid=""
}

# A private session bus with the accessibility bus on it, as a desktop session
# offers it to screen readers; its sockets lie in the test's own folder.
start_accessibility_bus() {
    local bus
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR"
    bus=$(dbus-daemon --session --fork --address="unix:dir=$XDG_RUNTIME_DIR" --print-address=1 --print-pid=1) \
        || fail "no session bus"
    export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
    /usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
    helper_pids="$! ${bus##*$'\n'}"
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
            string:org.a11y.Bus 2>/dev/null | grep -q true && return 0
        sleep 0.05
    done
    fail "no accessibility bus"
}

# The game as a player installs it: the executable with levels/ beside it, in a folder of its own.
install_game() {
    mkdir -p "$work/game"
    cp "$game_binary" "$work/game/zellomar"
    cp -r "$(dirname "$game_binary")/levels" "$work/game/levels"
}

start_game() {
    "${game_command:-$work/game/zellomar}" 2>"$work/stderr" &
    game_pid=$!
}

# Prints the id of the visible "Zellomar" window whose client area is SIZE (WxH), waiting up to 10 s.
wait_window() {
    local size=$1
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --name '^Zellomar$' 2>/dev/null); do
            if [ "$(xdotool getwindowgeometry "$id" | awk '/Geometry/ {print $2}')" = "$size" ]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# Prints the id of a visible "Zellomar" window of any size but these, waiting up to 10 s.
wait_other_window() {
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --name '^Zellomar$' 2>/dev/null); do
            case " $* " in
            *" $(xdotool getwindowgeometry "$id" | awk '/Geometry/ {print $2}') "*) ;;
            *) echo "$id"; return 0 ;;
            esac
        done
        sleep 0.1
    done
    return 1
}

# Prints the screen position "X Y" of a window's client area.
window_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}'
}

# Starts the display (once, as start_display does) and the game, waits for the
# start window and activates it; sets $start.
open_start_window() {
    [ -n "$xvfb_pid" ] || start_display
    [ -d "$work/game" ] || install_game
    start_game
    start=$(wait_window 423x429) || fail "no start window of 423 x 429"
    xdotool windowactivate --sync "$start"
}

# New Game with Alt+G; sets $play to the play window, activated, and $x $y to its
# client origin. Its client area is 677x480 (on a screen of 1024 x 768) unless given.
open_play_window() {
    xdotool key alt+g
    play=$(wait_window "${1:-677x480}") || fail "no play window of ${1:-677x480} after Alt+G"
    xdotool windowactivate --sync "$play"
    read -r x y < <(window_origin "$play")
}

# Waits for the game to end and checks its exit status.
expect_exit() {
    local expected=$1 status=0
    for _ in $(seq 100); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null && fail "the game did not end"
    wait "$game_pid" || status=$?
    game_pid=""
    [ "$status" -eq "$expected" ] || fail "exit status $status, expected $expected"
}
