#!/usr/bin/env bash
# The shipped level's walls are on the screen when the play window opens.
source "$(dirname "$0")/session.sh"
open_start_window
open_play_window
wait_until 5 shipped_tile_drawn || fail "expected the green tile at column 2, row 2; found $green green pixels"
# And the frame of the tiles in dark red all along the first row.
red=$("$screengrab" count "$x" "$y" 380 4 800000)
[ "$red" -gt 1000 ] || fail "expected dark red tile frames in the first row; found $red"
xdotool key Escape
expect_exit 0
