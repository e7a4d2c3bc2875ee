# Alt+X on the start window ends the game with status 0.
source "$(dirname "$0")/session.sh"
start_display
install_game
start_game
start=$(wait_window 423x429) || fail "no start window"
xdotool windowactivate --sync "$start"
xdotool key alt+x
expect_exit 0
echo "1 passed, 0 failed"
