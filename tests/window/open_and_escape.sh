# Opens the play window with Alt+G, checks both windows' client sizes and that
# Escape ends the game with status 0.
source "$(dirname "$0")/session.sh"
open_start_window
open_play_window
xdotool key Escape
expect_exit 0
echo "1 passed, 0 failed"
