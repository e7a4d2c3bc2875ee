#!/usr/bin/env bash
# With the desktop scaled by 1.25, 1.5 and 1.75, the ball leaves no trail: after
# play steered right on the way, the field is black but for the ball.
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/screen.sh"
install_game
: > "$work/game/levels/Level1.lvl"
start_display

steered_right_of() { local b; b=$(ball_box_in_sight "$field" "$h") && [ "${b%% *}" -gt $(($1 + 20)) ]; }
moved_from() { local b; b=$(ball_box_in_sight "$field" "$h") && [ "$b" != "$1" ]; }

for scale in 1.25 1.5 1.75; do
    QT_SCALE_FACTOR=$scale
    export QT_SCALE_FACTOR
    start_game
    unset QT_SCALE_FACTOR
    start=$(wait_window) || fail "no start window at scale $scale"
    xdotool windowactivate --sync "$start"
    xdotool key alt+g
    play=$(wait_window "-$start") || fail "no play window at scale $scale"
    xdotool windowactivate --sync "$play"
    read -r x y < <(window_origin "$play")
    read -r w h < <(xwininfo -id "$play" | awk '/  Width:/ {w = $2} /  Height:/ {h = $2} END {print w, h}')
    # The field reaches to the grey panel.
    read -r panel _ < <("$screengrab" box "$x" "$((y + 1))" "$w" 1 C0C0C0)
    field=$((panel - x))

    # Play on until the ball has been steered right and has run on unsteered.
    from=$(ball_in_sight "$field" "$h")
    xdotool keydown Right
    wait_until 5 steered_right_of "${from%% *}" || fail "held Right did not move the ball at scale $scale"
    xdotool keyup Right
    moved=$(ball_in_sight "$field" "$h")
    wait_until 5 moved_from "$moved" || fail "the ball stopped at scale $scale"
    pause_in_sight "$field" "$h"
    read -r bl bt br bb <<<"$ball"
    # The antialiased edge lies within 3 device pixels of the ball's white.
    probe "$x" "$y" <<TABLE
fill field-at-$scale 0 0 $field $h 000000 0 $((bl - 3)) $((bt - 3)) $((br - bl + 7)) $((bb - bt + 7))
TABLE
    xdotool key Escape
    expect_exit 0
done
