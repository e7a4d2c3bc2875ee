# Opens the play window with Alt+G, checks both windows' client sizes and that
# Escape ends the game with status 0.
source "$(dirname "$0")/session.sh"
start_display
install_game
start_game

start=$(wait_window 423x429) || fail "no start window of 423 x 429"
xdotool windowactivate --sync "$start"
xdotool key alt+g
play=$(wait_window 677x480) || fail "no play window of 677 x 480 after Alt+G"
xdotool windowactivate --sync "$play"
xdotool key Escape
expect_exit 0
echo "1 passed, 0 failed"
