#!/usr/bin/env bash
# While the ball runs, the game wakes once per tick on its main thread and its
# other threads sleep: a repaint must not wait on the X server for a reply, which
# would wake the X event reader thread as well. Counted in wake-ups, not time:
# the main thread's count is the clock, so a slow machine only makes it longer.
source "$(dirname "$0")/session.sh"
open_start_window
open_play_window

# Voluntary context switches of the main thread, then of all the others together.
main_wakeups() { awk '/^voluntary_ctxt_switches/ {print $2}' /proc/"$game_pid"/task/"$game_pid"/status; }
other_wakeups() {
    local sum=0 task
    for task in /proc/"$game_pid"/task/*; do
        [ "${task##*/}" = "$game_pid" ] && continue
        sum=$((sum + $(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status" 2>/dev/null || echo 0)))
    done
    echo "$sum"
}

sleep 1 # let the windows settle after activation
main0=$(main_wakeups)
other0=$(other_wakeups)
main_woke_300() { [ "$(($(main_wakeups) - main0))" -ge 300 ]; }
wait_until 60 main_woke_300 || true
main=$(($(main_wakeups) - main0))
other=$(($(other_wakeups) - other0))
[ "$main" -ge 300 ] || fail "the main thread woke only $main times in 60 s: is the ball running?"
[ "$other" -lt 30 ] || fail "the other threads woke $other times while the main thread woke $main times"

xdotool key Escape
expect_exit 0
