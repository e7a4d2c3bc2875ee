#!/usr/bin/env bash
# The game through AT-SPI, as a screen reader reads it: both windows and their
# children, the counters within the panel's status bar, with their roles, names,
# descriptions and places; the bonus label announces each new count once, and
# nothing while the game is paused.
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/screen.sh"
atspi=("/usr/bin/python3" "$(dirname "$0")/atspi.py")
start_accessibility_bus
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Under AddressSanitizer the game's memory is checked as everywhere, but not its
# leaks at the end: now and then Qt's AT-SPI bridge leaves an object of its own
# behind when the game ends while a screen reader listens (the offscreen
# accessibility tests check the game's own objects for leaks).
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
open_start_window
open_play_window

# As atspi.py prints the tree, with glob patterns. A button's role reads "push
# button" in the AT-SPI of Debian 12 and "button" in newer ones.
shopt -s extglob
expected=$(cat <<'TABLE'
frame | Zellomar start |  | 423 429
  ?(push )button | New Game |  | 40 336 113 33
  ?(push )button | Exit |  | 312 336 65 33
frame | Zellomar game | Left and Right arrows steer the ball, Space pauses and resumes, Escape leaves the game | 677 480
  image | Ball |  | +([-0-9 ])
  status bar | Counters |  | 530 0 153 512
    label | Bonus: [1-4][0-9] |  | 554 16 65 57
    label | Level: 1 |  | 554 88 65 57
    label | Lives: 4 |  | 554 160 65 57
    label | Score: 0 |  | 554 232 64 53
  image | Current wall |  | 556 304 76 40
TABLE
)
tree=$("${atspi[@]}" tree) || fail "could not read the tree"
# shellcheck disable=SC2053 # the table's rows are glob patterns
[[ $tree == $expected ]] || fail "the tree differs from the table:
$(diff <(echo "$expected") <(echo "$tree"))"

# The listener hears the bonus once it is live. Then five counts below the one
# that the label shows: the game's first tick after that look and its fifth lie at
# least four seconds apart. Each count is heard once.
heard() { wc -l <"$work/names"; }
heard_more_than() { [ "$(heard)" -gt "$1" ]; }
lowest() { awk 'END {print $3}' "$work/names"; }
heard_at_most() { [ "$(lowest)" -le "$1" ]; }
"${atspi[@]}" names >"$work/names" &
helper_pids="$! $helper_pids"
wait_until 5 heard_more_than 0 || fail "no name change of the bonus label"
since=$(now_us)
shown=$("${atspi[@]}" bonus) || fail "could not read the bonus label"
shown=${shown#Bonus: }
wait_until 10 heard_at_most $((shown - 5)) || fail "from $shown the bonus counted down only to $(lowest) in 10 s"
seconds=$(LC_ALL=C awk -v us=$(($(now_us) - since)) 'BEGIN {printf "%.1f", us / 1000000}')
LC_ALL=C awk -v s="$seconds" 'BEGIN {exit !(s >= 3.9)}' || fail "five counts of the bonus in $seconds s"
awk 'NR > 1 && $3 != last - 1 {exit 1} {last = $3}' "$work/names" || fail "the names skip or repeat a count: $(cat "$work/names")"

# Paused and still on the screen, for longer than a bonus tick: the label keeps its
# name, and no lower count is heard (one said before the pause may come late).
pause_in_sight 530
paused=$("${atspi[@]}" bonus) || fail "could not read the bonus label"
idle 1.5
[ "$("${atspi[@]}" bonus)" = "$paused" ] || fail "the bonus label changed its name while paused"
[ "$(lowest)" -ge "${paused#Bonus: }" ] || fail "a count below \"$paused\" was heard while paused"
# Space again resumes the count.
heard_below() { [ "$(lowest)" -lt "$1" ]; }
xdotool key space
wait_until 3 heard_below "${paused#Bonus: }" || fail "no name change after the pause"

xdotool key Escape
expect_exit 0
