#!/usr/bin/env bash
# While the ball runs, the game wakes once per tick on its main thread and its
# other threads sleep: a repaint must not wait on the X server for a reply, which
# would wake the X event reader thread as well. Counted in wake-ups, not time:
# the main thread's count is the clock, so a slow machine only makes it longer.
# Paused, the game does not wake at all. The same holds with Orca listening.
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/screen_reader.sh"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# Voluntary context switches of the main thread; of each other thread, as lines of
# "thread count"; of all the others together.
main_wakeups() { awk '/^voluntary_ctxt_switches/ {print $2}' /proc/"$game_pid"/task/"$game_pid"/status; }
thread_wakeups() {
    local task
    for task in /proc/"$game_pid"/task/*; do
        [ "${task##*/}" = "$game_pid" ] && continue
        echo "${task##*/} $(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status" 2>/dev/null)"
    done
}
other_wakeups() { thread_wakeups | awk '{sum += $2} END {print sum + 0}'; }
# The other threads' wake-ups since THREAD_WAKEUPS were read: a thread made since
# counts whole; one that has ended is left out, and counted as "ended" (the
# toolkit's pool threads end once after 30 s of rest, which a scaled pause reaches).
woke_since() {
    awk 'NR == FNR {before[$1] = $2; next} $2 != "" {now[$1] = 1; sum += $2 - before[$1]}
        END {for (t in before) if (!(t in now)) ended++; printf "%d times (%d threads ended)\n", sum, ended}' \
        <(echo "$1") <(thread_wakeups)
}

all_wakeups() { echo "$(main_wakeups) $(other_wakeups)"; }

# Plays until the main thread has woken 300 times, then rests paused for 2 s; $1
# says how. The other threads may wake $2 times, and $3 times more for each
# second that the 300 wake-ups took: what a screen reader asks comes with each
# bonus tick, once a second, however slow the ball.
measure() {
    local main0 other0 main other start seconds allowed
    # The windows settle after activation: the other threads rest for half a second.
    wait_still 10 0.5 other_wakeups >/dev/null || true
    main0=$(main_wakeups)
    other0=$(thread_wakeups)
    start=$(now_us)
    main_woke_300() { [ "$(($(main_wakeups) - main0))" -ge 300 ]; }
    wait_until 60 main_woke_300 || true
    main=$(($(main_wakeups) - main0))
    other=$(woke_since "$other0")
    seconds=$(((($(now_us) - start) + 999999) / 1000000))
    allowed=$(($2 + $3 * seconds))
    echo "$1, playing: the main thread woke $main times in $seconds s, the other threads $other ($allowed allowed)"
    [ "$main" -ge 300 ] || fail "$1: the main thread woke only $main times in 60 s: is the ball running?"
    [ "${other%% *}" -lt "$allowed" ] || fail "$1: the other threads woke $other while the main thread woke $main times"

    # Paused, once what the pause brings (a screen reader's questions) is over.
    [ -z "$orca_pid" ] || mark_spoken
    xdotool key space
    [ -z "$orca_pid" ] || wait_spoken '(notification )?Paused'
    wait_still 10 1 all_wakeups >/dev/null || fail "$1: paused, the game kept waking"
    main0=$(main_wakeups)
    other0=$(thread_wakeups)
    idle 2
    main=$(($(main_wakeups) - main0))
    other=$(woke_since "$other0")
    echo "$1, paused: the main thread woke $main times in $(scaled 2) s, the other threads $other"
    [ "$main" -eq 0 ] && [ "${other%% *}" -eq 0 ] || fail "$1: paused, the game woke: main thread $main times, the others $other in $(scaled 2) s"
    xdotool key Escape
    expect_exit 0
}

open_start_window
skip_when_emulated "its threads, which come and go, are the emulator's as well as the game's"
open_play_window
measure "No screen reader" 30 3
stop_display
orca_free || skip_without_orca

start_display
start_accessibility_bus
start_orca
open_start_window
open_play_window
wait_spoken 'Zellomar game( frame)?'
# Orca hears each new count of the bonus and asks after the label: messages on
# the accessibility bus each second, which the D-Bus thread sends and reads. Orca 43
# asks a few (under 30 while the main thread wakes 300 times), Debian 13's and
# unstable's Orca more (60 and 82 seen); the main thread's count, the game's own,
# stays the same. The count grows with the seconds the ball takes.
measure "Orca" 60 30
