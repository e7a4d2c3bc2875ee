#!/usr/bin/env bash
# Orca against the game, as a blind player hears it: the game started after Orca,
# on a desktop whose accessibility bus is there but not forced on. The two windows
# tell themselves apart; the read-status-bar command reads the counters as they
# stand, leaving the screen as it was; pausing, resuming and the end of the bonus
# are spoken once each, and no count of the bonus unasked. A game started before
# Orca, once Orca has run on the desktop, is read when Orca starts again.
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/screen.sh"
source "$(dirname "$0")/screen_reader.sh"
# As in the accessibility test: Qt's bridge now and then leaves an object behind at the end.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
orca_free || skip_without_orca
start_display
start_accessibility_bus
start_orca

open_start_window
wait_spoken 'Zellomar start( frame)?'
open_play_window
wait_spoken 'Zellomar game( frame)?'
[ "$(count_spoken 'Zellomar frame')" -eq 0 ] || fail "a window was called just \"Zellomar frame\""

# The counters with their values of the moment: read again each time the screen
# shows another count (a read at once after a read is taken by Orca as more
# presses of the same keys) until the bonus read is lower, by no more than the
# seconds between the reads (and one) allow. Orca may still read the count it
# last heard of, so one new count on the screen need not be read at once.
since=$(now_us)
first=$(read_status_bar)
shown=$(caption_sum "$bonus_box")
for line in 'Counters (statusbar|status bar)' 'Level: 1' 'Lives: 4'; do wait_spoken "$line"; done
bonus_changed() { [ "$(caption_sum "$bonus_box")" != "$shown" ]; }
read_lower() {
    wait_until 5 bonus_changed || return 1
    shown=$(caption_sum "$bonus_box")
    second=$(read_status_bar)
    [ -n "$first" ] && [ -n "$second" ] && [ "$second" -lt "$first" ]
}
wait_until 20 read_lower \
    || fail "the status bar read the bonus as $first, then, each time the screen showed another count, as $second"
seconds=$((($(now_us) - since) / 1000000 + 1))
[ "$second" -ge $((first - seconds - 1)) ] \
    || fail "the status bar read the bonus as $first, then within $seconds s as $second"

# Paused, with the screen still: reading the status bar changes nothing on it.
mark_spoken
xdotool key space
wait_spoken '(notification )?Paused'
screen() { "$screengrab" sum "$x" "$y" ${play_size/x/ }; }
before=$(wait_still 10 0.3 screen) || fail "the screen does not hold still while paused"
paused=$(read_status_bar)
[ "$("$screengrab" sum "$x" "$y" ${play_size/x/ })" = "$before" ] || fail "reading the status bar changed the screen"
[ -n "$paused" ] && [ "$paused" -le "$second" ] || fail "paused, the status bar read the bonus as $paused"
mark_spoken
xdotool key space
wait_spoken '(notification )?Resumed'

# The bonus runs out: said once, in words; meanwhile no count is spoken. A bonus
# tick more says nothing; a status bar read then comes after all that was said.
mark_spoken
wait_spoken '(notification )?No bonus left' $((paused + 30))
idle 1.5
[ "$(read_status_bar)" = 0 ] || fail "the status bar did not read the bonus as 0 once it had run out"
for line in '(notification )?Paused' '(notification )?Resumed' '(notification )?No bonus left'; do
    [ "$(count_spoken "$line")" -eq 1 ] || fail "\"$line\" was spoken $(count_spoken "$line") times"
done
# Each read of the status bar speaks the score too (a slow Orca may take the two
# presses of a read for two commands, and read it twice); a count said unasked comes alone.
[ "$(count_spoken 'Bonus: [0-9]+')" -le "$(count_spoken 'Score: [0-9]+')" ] \
    || fail "the bonus was spoken besides the status bar reads:
$(spoken | grep -E '^(Bonus|Score)' | sed 's/^/  /')"

mark_spoken
xdotool key Escape
expect_exit 0

# Once Orca has run, the desktop's accessibility stays on: a game started while
# Orca is off is read as soon as Orca is back.
stop_orca
start_game
start=$(wait_window "$start_size") || fail "no start window of $start_size"
xdotool windowactivate --sync "$start"
open_play_window
start_orca
mark_spoken
xdotool windowactivate --sync "$start"
wait_spoken 'Zellomar start( frame)?'
mark_spoken
xdotool windowactivate --sync "$play"
wait_spoken 'Zellomar game( frame)?'
[ -n "$(read_status_bar)" ] || fail "no bonus read from the status bar of a game started before Orca"
xdotool key Escape
expect_exit 0
