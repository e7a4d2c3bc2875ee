#!/usr/bin/env bash
# The start window's buttons as a keyboard user meets them, and the play window
# on the desktop, in one run of the game:
#  - both buttons flat white with a thin grey edge, caption and access key drawn;
#  - the focus mark on New Game at start, Tab and Shift+Tab cycling New Game and Exit only;
#  - Return presses the focused button (New Game), Enter too (Exit, status 0);
#  - the play window kept out of the taskbar and the pager, the start window not;
#  - an arrow held while the play window loses the focus steers no more when it comes back.
# Usage: buttons_and_focus.sh GAME SCREENGRAB
source "$(dirname "$0")/session.sh"
install_game
: > "$work/game/levels/Level1.lvl" # an empty field: the ball is the only white there
open_start_window
read -r sx sy < <(window_origin "$start")

# Probes of one button (NAME X Y W H, client coordinates) with or without the focus mark,
# as screengrab's count rows on the screen: how many pixels lie near the colour.
button() {
    local name=$1 focused=$5 bx=$((sx + $2)) by=$((sy + $3)) w=$4 h=33
    echo "count $name-edge-top $bx $by $w 1 808080 48 $w $w"
    echo "count $name-edge-left $bx $by 1 $h 808080 48 $h $h"
    echo "count $name-edge-right $((bx + w - 1)) $by 1 $h 808080 48 $h $h"
    echo "count $name-face-top $((bx + 1)) $((by + 1)) $((w - 2)) 2 FFFFFF 0 $((2 * (w - 2))) 9999"
    echo "count $name-face-left $((bx + 4)) $((by + 4)) 4 $((h - 8)) FFFFFF 0 $((4 * (h - 8))) 9999"
    echo "count $name-face-right $((bx + w - 8)) $((by + 4)) 4 $((h - 8)) FFFFFF 0 $((4 * (h - 8))) 9999"
    echo "count $name-face-whole $((bx + 1)) $((by + 1)) $((w - 2)) $((h - 2)) FFFFFF 0 $(((w - 2) * (h - 2) * 6 / 10)) 9999"
    echo "count $name-caption $((bx + 5)) $((by + 8)) $((w - 10)) 14 000000 96 $((w / 2)) $((w * 7))"
    echo "count $name-access-key $((bx + 5)) $((by + 22)) $((w - 10)) 3 000000 96 6 20"
    if [ "$focused" = yes ]; then
        echo "count $name-focus-mark $((bx + 3)) $((by + 3)) $((w - 6)) 1 000000 96 $((w / 4)) $((w / 2))"
    else
        echo "count $name-focus-mark $((bx + 3)) $((by + 3)) $((w - 6)) 1 000000 96 0 0"
    fi
}
probe_quietly() { "$screengrab" probe 0 0 <<<"$1" >/dev/null 2>&1; }
# Waits until the screen shows the focus on New Game (new) or Exit (exit).
expect_focus() {
    local on=$1 table
    table=$(button new 40 336 113 "$([ "$on" = new ] && echo yes || echo no)"
        button exit 312 336 65 "$([ "$on" = exit ] && echo yes || echo no)")
    wait_until 5 probe_quietly "$table" && return 0
    "$screengrab" probe 0 0 <<<"$table" >&2 || true
    fail "$2: expected the focus on $on"
}

expect_focus new "at start"
xdotool key Tab
expect_focus exit "after Tab"
xdotool key Tab
expect_focus new "after Tab, Tab"
xdotool key shift+Tab
expect_focus exit "after Shift+Tab"
xdotool key shift+Tab
expect_focus new "after Shift+Tab, Shift+Tab"

xdotool key Return
play=$(wait_window "$play_size") || fail "Return on New Game opened no play window"
state() { xprop -id "$1" _NET_WM_STATE; }
case "$(state "$play")" in
*_NET_WM_STATE_SKIP_TASKBAR*_NET_WM_STATE_SKIP_PAGER* | *_NET_WM_STATE_SKIP_PAGER*_NET_WM_STATE_SKIP_TASKBAR*) ;;
*) fail "the play window is not kept out of the taskbar and the pager: $(state "$play")" ;;
esac
case "$(state "$start")" in *SKIP_TASKBAR*) fail "the start window is kept out of the taskbar" ;; esac

# Hold Left, switch to the start window, release Left there, come back: no drift.
xdotool windowactivate --sync "$play"
read -r x y < <(window_origin "$play")
ball_left() { # waits until the ball is in sight, then prints its left edge
    wait_until 5 ball_left_now || fail "the ball stayed out of sight"
}
ball_left_now() {
    local box
    box=$("$screengrab" box "$x" "$y" 520 480 FFFFFF)
    [ "$box" != none ] && echo "${box%% *}"
}
judged=no
for attempt in 1 2 3; do
    # Drive the ball to the right edge, where it stops moving sideways.
    xdotool keydown Right
    wait_still 10 0.1 ball_left >/dev/null || true
    xdotool keyup Right
    xdotool keydown Left windowactivate --sync "$start"
    xdotool keyup Left
    xdotool windowactivate --sync "$play"
    first=$(ball_left)
    # A ball that reached the left edge before the switch cannot show a drift: try again.
    [ "$first" -lt 20 ] && continue
    idle 0.5 # time for a held Left to move the ball
    then=$(ball_left)
    [ "$then" = "$first" ] || fail "the ball drifted sideways with no key down ($first -> $then), attempt $attempt"
    judged=yes
    break
done
[ "$judged" = yes ] || fail "the ball reached the left edge before the window switch three times"

# Back on the start window the focus is still on New Game; Shift+Tab and Enter leave.
xdotool windowactivate --sync "$start"
expect_focus new "back on the start window"
xdotool key shift+Tab
expect_focus exit "after Shift+Tab"
xdotool key KP_Enter
expect_exit 0
