#!/usr/bin/env bash
# Opens the play window with Alt+G, checks both windows' client sizes, that both
# carry the WM_CLASS the desktop entry names (so docks tie them to the menu's entry),
# and that Escape ends the game with status 0.
source "$(dirname "$0")/session.sh"
open_start_window
open_play_window
wm_class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../../packaging/org.zellomar.zellomar.desktop")
for id in "$start" "$play"; do
    class=$(xprop -id "$id" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
    [ -n "$class" ] && [ "$class" = "$wm_class" ] \
        || fail "WM_CLASS class \"$class\", but the desktop entry's StartupWMClass is \"$wm_class\""
done
xdotool key Escape
expect_exit 0
