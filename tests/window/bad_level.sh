# A broken level file: one line on stderr naming the fault and its line, a
# message box, and exit status 1 once the box is closed.
source "$(dirname "$0")/session.sh"
install_game
printf '3\r\n1\r\nWall01\r\nabc\r\n1\r\nWall02\r\n' > "$work/game/levels/Level1.lvl"
open_start_window
xdotool key alt+g
for _ in $(seq 100); do
    grep -q "run-time error" "$work/stderr" && break
    sleep 0.1
done
expected="Zellomar: run-time error: Type mismatch: line 4 of $work/game/levels/Level1.lvl: \"abc\" is not a number"
grep -qxF "$expected" "$work/stderr" || fail "expected the line: $expected"
kill -0 "$game_pid" 2>/dev/null || fail "the game ended before the message box was closed"
box=$(wait_other_window 423x429 677x480) || true
[ -n "$box" ] || fail "no message box"
xdotool windowactivate --sync "$box"
xdotool key Return
expect_exit 1
echo "1 passed, 0 failed"
