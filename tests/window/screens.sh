#!/usr/bin/env bash
# Where the windows land on screens other than one of 1024 x 768:
#  - two monitors, the primary one on the left or on the right: both windows are
#    centred on the primary monitor, the play window at two thirds of its size;
#  - a screen smaller than the start window: its frame stands at the screen's
#    top-left corner, title bar and close box in reach;
#  - desktops scaled by 1.5 and 2: each button's grey edge is its outermost pixel,
#    with the white face inside it.
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/screen.sh"
install_game

# Monitor rows: NAME-AS-XRANDR-TAKES-IT X Y W H; the primary one is named with a "*".
for arrangement in "other 0 0 1024 768|*primary 1024 0 1280 1024" "*primary 0 0 1280 1024|other 1280 0 1024 768"; do
    screen_size=2304x1024 start_display
    IFS='|' read -r -a monitors <<<"$arrangement"
    output=screen # the first monitor takes the place of the one the whole screen made
    for row in "${monitors[@]}"; do
        read -r name mx my mw mh <<<"$row"
        xrandr --setmonitor "$name" "$mw/300x$mh/200+$mx+$my" "$output" >/dev/null
        output=none
        [ "${name:0:1}" = "*" ] && primary=("$mx" "$my" "$mw" "$mh")
    done
    start_game
    start=$(wait_window "$start_size") || fail "no start window with monitors $arrangement"
    expect_centred "$start" "the start window with monitors $arrangement" "${primary[@]}"
    xdotool windowactivate --sync "$start"
    open_play_window 847x651
    expect_centred "$play" "the play window with monitors $arrangement" "${primary[@]}"
    stop_display
done

screen_size=320x240 start_display
start_game
start=$(wait_window "$start_size") || fail "no start window on a screen of 320 x 240"
read -r left _ top _ < <(frame_margins "$start" 0 0 320 240)
[ "$left" -eq 0 ] && [ "$top" -eq 0 ] || fail "on a screen of 320 x 240 the start window's frame is at $left, $top"
stop_display

# Sets gl gt gr gb to the box of the grey of the button's edge in $area; status 1 if none.
edge_drawn() {
    read -r gl gt gr gb < <("$screengrab" box "${area[@]}" 808080)
    [ "$gl" != none ]
}

# NAME LEFT TOP WIDTH HEIGHT of each button, in the window's own pixels.
buttons=("new 40 336 113 33" "exit 312 336 65 33")
start_display
for tenths in 15 20; do
    QT_SCALE_FACTOR=${tenths:0:1}.${tenths:1} start_game
    start=$(wait_window) || fail "no start window at scale $tenths tenths"
    read -r sx sy < <(window_origin "$start")
    for row in "${buttons[@]}"; do
        read -r name bx by bw bh <<<"$row"
        # The screen's pixels around the button, 4 more on every side.
        area=($((sx + (bx - 4) * tenths / 10)) $((sy + (by - 4) * tenths / 10)) $(((bw + 8) * tenths / 10)) $(((bh + 8) * tenths / 10)))
        # The window shows before its buttons are drawn where the game runs slowly (qemu).
        wait_until 10 edge_drawn || fail "at scale $tenths tenths the $name button has no grey edge"
        read -r wl wt wr wb < <("$screengrab" box "${area[@]}" FFFFFF)
        [ "$gl" -lt "$wl" ] && [ "$gt" -lt "$wt" ] && [ "$gr" -gt "$wr" ] && [ "$gb" -gt "$wb" ] \
            || fail "at scale $tenths tenths the $name button's face ($wl $wt $wr $wb) reaches its edge ($gl $gt $gr $gb)"
    done
    kill "$game_pid"
    wait "$game_pid" || true
    game_pid=""
done
