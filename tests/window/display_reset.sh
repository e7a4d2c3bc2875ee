#!/usr/bin/env bash
# An X server that resets when its last client leaves (Xvfb's default), with no
# window manager: each of 50 starts shows the start window, the server's clients
# never all left on the way (its audit log), and Alt+X ends it with status 0. The
# test keeps off the display until the game has both its connections.
source "$(dirname "$0")/session.sh"
window_manager=none start_display -audit 4
install_game
both_connected() { [ "$(tail -n +"$since" "$work/xvfb.log" | grep -c " connected from ")" -ge 2 ]; }
for i in $(seq 50); do
    since=$(($(wc -l <"$work/xvfb.log") + 1))
    start_game
    wait_until 10 both_connected || true
    start=$(wait_window "$start_size") || fail "start $i: no start window"
    tail -n +$since "$work/xvfb.log" | awk '/ connected from /{n++} / disconnected$/{if (--n == 0) exit 1}' \
        || fail "start $i: the server's last client left while the game started"
    xdotool windowfocus --sync "$start" key alt+x
    expect_exit 0
done
