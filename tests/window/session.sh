# shellcheck shell=bash
# Sourced by the real-window tests. Gives each test its own X display with a
# window manager, a copy of the game in a temporary folder, and helpers to find
# the game's windows. Everything is stopped and removed when the test exits.
set -euo pipefail

# Every deadline below is multiplied by ZELLOMAR_TEST_TIME_SCALE (a factor, 1 unless
# set; 10 for a machine ten times slower, as under qemu), and so are the spans that
# a rule says nothing may change in.
time_scale=${ZELLOMAR_TEST_TIME_SCALE:-1}
if ! [[ $time_scale =~ ^[0-9]+(\.[0-9]+)?$ && $time_scale =~ [1-9] ]]; then
    echo "FAIL: ZELLOMAR_TEST_TIME_SCALE is \"$time_scale\", not a factor above 0 such as 1, 2.5 or 10" >&2
    exit 2
fi
# SECONDS times the scale, in seconds (scaled) or in microseconds (scaled_us).
scaled() { LC_ALL=C awk -v s="$1" -v k="$time_scale" 'BEGIN {printf "%.3f\n", s * k}'; }
scaled_us() { LC_ALL=C awk -v s="$1" -v k="$time_scale" 'BEGIN {printf "%d\n", s * k * 1000000}'; }
# The clock in microseconds, whatever the locale's decimal mark.
now_us() {
    local t=$EPOCHREALTIME
    echo "${t//[!0-9]/}"
}

game_binary=$1
screengrab=${2:-}
work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
game_pid=""
helper_pids="" # what a test starts besides these, stopped after the game, the newest first

# The windows' client areas (WxH) on a screen of 1024 x 768, and the boxes
# (X Y W H in the play window's client area) of the panel's four captions.
start_size=423x429
play_size=677x480
# shellcheck disable=SC2034 # for the tests that source this
bonus_box="554 16 65 57" \
    level_box="554 88 65 57" \
    lives_box="554 160 65 57" \
    score_box="554 232 64 53"

# A home and desktop folders of the test's own: a developer's settings and fonts
# never reach the game, the window manager or the screen reader. (Fontconfig
# reads the system's font cache; it writes one here only for fonts that lack it.)
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_CACHE_HOME="$work/cache" XDG_STATE_HOME="$work/state"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME" "$XDG_CACHE_HOME"

# Stops what the test started one at a time, the newest first, each given 10 s to
# end before it is killed: Orca that is stopped while the buses it speaks on go at
# the same time now and then hangs (seen with unstable's Orca 51).
cleanup() {
    local pid
    for pid in $game_pid $helper_pids $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || continue
        wait_until 10 none_running "$pid" || kill -KILL "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
none_running() {
    local pid
    for pid; do ! kill -0 "$pid" 2>/dev/null || return 1; done
}
trap cleanup EXIT
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

# Ends the test as skipped (status 77) where the game runs through an emulator
# (qemu-user, for another architecture): $1 says what the emulator changes.
skip_when_emulated() {
    local exe
    exe=$(readlink "/proc/$game_pid/exe")
    [ "${exe##*/}" != "$(basename "$game_binary")" ] || return 0
    echo "SKIPPED: the game runs through $exe (qemu-user): $1"
    exit 77
}

fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/stderr" ] && sed 's/^/game: /' "$work/stderr" >&2
    exit 1
}

# Runs COMMAND... until it succeeds, a tenth of a second between tries; status 1
# once it has failed and SECONDS (scaled) have passed on the clock since the first
# try, however long each try takes. What the command prints is printed.
wait_until() {
    local wait_deadline
    wait_deadline=$(($(now_us) + $(scaled_us "$1")))
    shift
    until "$@"; do
        [ "$(now_us)" -lt "$wait_deadline" ] || return 1
        sleep 0.1
    done
}

# Prints what COMMAND... prints once it has printed the same twice, GAP seconds
# (scaled) apart: a ball or a counter that holds still. Status 1 when it has not
# held still within SECONDS (scaled).
wait_still() {
    local still_seconds=$1 still_gap still_last still_now
    still_gap=$(scaled "$2")
    shift 2
    still_last=$("$@") || true
    wait_until "$still_seconds" still_since_last "$@"
}
still_since_last() {
    sleep "$still_gap"
    still_now=$("$@") || true
    [ "$still_now" = "$still_last" ] && printf '%s\n' "$still_now" && return 0
    still_last=$still_now
    return 1
}

# Lets SECONDS (scaled) pass. Only where the span is the rule under test: nothing
# may change in it (a paused game, a notice not said again).
idle() { sleep "$(scaled "$1")"; }

# Prints the id of a visible "Zellomar" window and status 0, or status 1 when
# there is none. Each argument narrows the choice: WxH, a client area the window
# has; -WxH, one it has not; -ID, not that window.
find_window() {
    local id size rule
    for id in $(xdotool search --onlyvisible --name '^Zellomar$' 2>/dev/null); do
        size=$(xdotool getwindowgeometry "$id" 2>/dev/null | awk '/Geometry/ {print $2}')
        for rule in "$@"; do
            case $rule in
            -*) [ "$rule" != "-$size" ] && [ "$rule" != "-$id" ] || continue 2 ;;
            *) [ "$rule" = "$size" ] || continue 2 ;;
            esac
        done
        echo "$id"
        return 0
    done
    return 1
}

# As find_window, waiting up to 10 s for such a window.
wait_window() {
    wait_until 10 find_window "$@"
}

# A private display: Xvfb picks a free number and tells it on a file descriptor.
# Arguments go to Xvfb, whose messages land in $work/xvfb.log. The screen is
# $screen_size (1024x768 unless set), and $window_manager (openbox unless set,
# or none) manages the windows. With a window manager the server does not
# reset when its last client leaves, as it never does once the window manager
# is there: the looks that wait for it come and go before it connects, and a
# reset then would shut it out.
start_display() {
    local wm=${window_manager:-openbox} keep=()
    [ "$wm" = none ] || keep=(-noreset)
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "${screen_size:-1024x768}x24" -nolisten tcp "${keep[@]}" "$@" \
        3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    wait_until 5 test -s "$work/display" || fail "Xvfb did not start"
    DISPLAY=":$(head -n1 "$work/display")"
    export DISPLAY
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    [ "$wm" = none ] || start_window_manager "$wm"
}

# Starts the window manager WM on the display and waits until it deals with
# requests. Its check window on the root window comes too early: openbox shows
# it before it listens, and a window mapped then stays unmapped for good. So
# the window manager is asked to show the desktop, and then not, until it has
# done both. A window manager that ends as it starts is started again, twice at
# most, and says so: under qemu-user openbox can abort in GLib's locks. Its
# messages land in $work/wm.log.
start_window_manager() {
    local try
    for try in 1 2 3; do
        "$1" >"$work/wm.log" 2>&1 &
        wm_pid=$!
        wait_until 20 wm_showing_desktop on 1 && wait_until 20 wm_showing_desktop off 0 || break
        kill -0 "$wm_pid" 2>/dev/null && return 0
        echo "the window manager $1 ended as it started (try $try): $(tail -n 3 "$work/wm.log")" >&2
    done
    fail "the window manager $1 did not start: $(tail -n 5 "$work/wm.log")"
}
# As showing_desktop, or true at once when the window manager has ended.
wm_showing_desktop() { ! kill -0 "$wm_pid" 2>/dev/null || showing_desktop "$@"; }
# Asks the window manager to show the desktop (on) or not (off); tells whether
# the root window says it does (1) or not (0).
showing_desktop() {
    wmctrl -k "$1" 2>/dev/null && xprop -root _NET_SHOWING_DESKTOP 2>/dev/null | grep -q "= $2\$"
}

# Ends the game, the window manager and the display, so that another can start.
stop_display() {
    # shellcheck disable=SC2086 # an empty id stands for no process
    kill $game_pid $wm_pid $xvfb_pid 2>/dev/null || true
    # shellcheck disable=SC2086
    wait $game_pid $wm_pid $xvfb_pid 2>/dev/null || true
    game_pid="" wm_pid="" xvfb_pid=""
}

# A private session bus with the accessibility bus on it, as a desktop session
# offers it to screen readers; its sockets lie in the test's own folder.
start_accessibility_bus() {
    local bus
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    bus=$(dbus-daemon --session --fork --address="unix:dir=$XDG_RUNTIME_DIR" --print-address=1 --print-pid=1) \
        || fail "no session bus"
    export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
    /usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
    helper_pids="$! ${bus##*$'\n'} $helper_pids"
    wait_until 5 accessibility_bus_running || fail "no accessibility bus"
}
accessibility_bus_running() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.a11y.Bus 2>/dev/null | grep -q true
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
    start=$(wait_window "$start_size") || fail "no start window of $start_size"
    xdotool windowactivate --sync "$start"
}

# New Game with Alt+G; sets $play to the play window, activated, and $x $y to its
# client origin. Its client area is $play_size unless given.
open_play_window() {
    xdotool key alt+g
    play=$(wait_window "${1:-$play_size}") || fail "no play window of ${1:-$play_size} after Alt+G"
    xdotool windowactivate --sync "$play"
    read -r x y < <(window_origin "$play")
}

# Prints the sum of the pixels in the panel's caption box X Y W H (one of the
# *_box names above) of the play window at $x $y, as screengrab's sum does.
caption_sum() {
    local cx cy cw ch
    read -r cx cy cw ch <<<"$1"
    "$screengrab" sum $((x + cx)) $((y + cy)) "$cw" "$ch"
}

# Whether the play window at $x $y shows the shipped level's green tile at
# column 2, row 2, whose inside is 60 x 24 pixels of green; sets $green to the count.
shipped_tile_drawn() {
    green=$("$screengrab" count $((x + 76 + 6)) $((y + 40 + 6)) 60 24 00FF00)
    [ "$green" -eq 1440 ]
}

# Waits for the game to end and checks its exit status.
expect_exit() {
    local expected=$1 status=0
    wait_until 10 game_ended || fail "the game did not end"
    wait "$game_pid" || status=$?
    game_pid=""
    [ "$status" -eq "$expected" ] || fail "exit status $status, expected $expected"
}
game_ended() {
    ! kill -0 "$game_pid" 2>/dev/null
}
