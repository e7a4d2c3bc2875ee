#!/usr/bin/env bash
# Alt+X on the start window ends the game with status 0.
source "$(dirname "$0")/session.sh"
open_start_window
xdotool key alt+x
expect_exit 0
