#!/usr/bin/env bash
# A broken level file: one line on stderr naming the fault and its line, a
# message box, and exit status 1 once the box is closed. The game lies in a
# folder whose name is not UTF-8 (Latin-1 "café") and is started through a
# link from another folder: it finds its levels beside the real executable,
# and the path in the message shows the odd byte as \xe9. The first number,
# "1,5", is a number in a comma locale (de_DE.UTF-8, made here) and no number
# in the C locale.
source "$(dirname "$0")/session.sh"
install_game
home="$work/caf"$'\xe9'
mv "$work/game" "$home"
mkdir "$work/game"
ln -s "$home/zellomar" "$work/game/zellomar"
printf '1,5\r\n1\r\nWall01\r\nabc\x1b[31m\r\n1\r\nWall02\r\n' > "$home/levels/Level1.lvl"
localedef -i de_DE -f UTF-8 "$work/de_DE.UTF-8" || fail "could not make the de_DE.UTF-8 locale"
export LOCPATH=$work

# Plays New Game in the locale $1 and expects the message "$2" on stderr and in a box.
expect_level_error() {
    LC_ALL=$1 open_start_window
    xdotool key alt+g
    wait_until 10 grep -q "run-time error" "$work/stderr" || true
    local expected="Zellomar: run-time error: Type mismatch: $2"
    grep -qxF "$expected" "$work/stderr" || fail "expected the line: $expected"
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before the message box was closed"
    box=$(wait_window "-$start_size" "-$play_size") || true
    [ -n "$box" ] || fail "no message box"
    xdotool windowactivate --sync "$box"
    xdotool key Return
    expect_exit 1
}
level="$work/caf\\xe9/levels/Level1.lvl"
expect_level_error C "line 1 of $level: \"1,5\" is not a number"
expect_level_error de_DE.UTF-8 "line 4 of $level: \"abc\\x1b[31m\" is not a number"
