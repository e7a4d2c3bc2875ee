#!/usr/bin/env bash
# What window managers do to the windows whatever the windows ask, under openbox and icewm:
#  - both windows ask to be moved and closed only, with a border, a title bar and
#    the system menu (Motif hints), and neither has an owner (WM_TRANSIENT_FOR);
#  - full-screen and maximise requests leave both windows where they were, at their size;
#  - a minimised play window (openbox minimises it all the same) comes back with
#    New Game: shown and active, its game carried on from where it was, and the
#    keyboard reaching it.
source "$(dirname "$0")/session.sh"
install_game

# Client origin and size: "X Y W H".
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /  Width:/ {w = $2} /  Height:/ {h = $2} END {print x, y, w, h}'
}
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
wait_active() { wait_until 5 active "$1"; }
# Whether window $1 is at $2 (as geometry prints it) and neither full-screen nor maximised.
back_at() { [ "$(geometry "$1")" = "$2" ] && ! xprop -id "$1" _NET_WM_STATE | grep -q 'FULLSCREEN\|MAXIMIZED'; }
# Asks the window manager to put window $1 in state $2. Activating window $3
# afterwards tells when the window manager has dealt with the request; then the
# window has up to 5 s to be back where it was, at its size, in no such state.
request_state() {
    local id=$1 state=$2 other=$3 before
    before=$(geometry "$id")
    wmctrl -i -r "$id" -b "add,$state"
    wmctrl -i -a "$other"
    wait_active "$other" || fail "$wm: the window manager did not activate the other window after $state"
    wait_until 5 back_at "$id" "$before" && return 0
    fail "$wm: after a $state request the window is at $(geometry "$id") ($before before), $(xprop -id "$id" _NET_WM_STATE)"
}

bonus() { caption_sum "$bonus_box"; }
bonus_is() { [ "$(bonus)" = "$1" ]; }
bonus_is_not() { [ "$(bonus)" != "$1" ]; }
for wm in openbox icewm; do
    window_manager=$wm open_start_window
    open_play_window
    for id in "$start" "$play"; do
        hints=$(xprop -id "$id" _MOTIF_WM_HINTS)
        [ "$hints" = "_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = 0x3, 0x24, 0x1a, 0x0, 0x0" ] || fail "$wm: window $id asks for $hints"
        xprop -id "$id" WM_TRANSIENT_FOR | grep -q "not found" || fail "$wm: window $id has an owner"
    done
    for state in fullscreen maximized_vert,maximized_horz; do
        request_state "$start" "$state" "$play"
        request_state "$play" "$state" "$start"
    done
    [ "$wm" = openbox ] || { stop_display; continue; }

    # Paused, the bonus holds still; set-up run again would show 40 and count down.
    first=$(bonus)
    wait_until 3 bonus_is_not "$first" || fail "the bonus does not count down"
    xdotool windowactivate --sync "$play" key space
    held=$(wait_still 5 1.2 bonus) || fail "the bonus does not hold still while paused"
    xdotool windowminimize --sync "$play"
    xdotool windowactivate --sync "$start" key alt+g
    wait_active "$play" || fail "New Game did not bring back the minimised play window"
    xwininfo -id "$play" | grep -q IsViewable || fail "the play window is active but not shown"
    # Shown again, the window is painted afresh: wait for the bonus it held.
    wait_until 3 bonus_is "$held" || fail "the play window came back with another bonus: its game did not carry on"
    xdotool key space
    wait_until 3 bonus_is_not "$held" || fail "Space did not reach the play window brought back by New Game"
    xdotool key Escape
    expect_exit 0
    stop_display
done
