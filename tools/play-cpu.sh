#!/usr/bin/env bash
# Plays the shipped executable the way a player does and reads what it costs:
# play-cpu.sh GAME [SECONDS] [bus]. Starts a private Xvfb with openbox (and with
# "bus" a private session bus with the accessibility bus on it), starts GAME,
# opens the play window with Alt+G, waits 2 s and then reads /proc for SECONDS
# (10 unless given). Prints: game_cpu_percent xvfb_cpu_percent wakeups_per_second
# CPU is per cent of one core, from the run time of every thread (schedstat, in
# nanoseconds); wake-ups are the game's voluntary context switches, all threads.
game=$1
seconds=${2:-10}
# The real-window tests' private display, openbox and window helpers.
# shellcheck source=../tests/window/session.sh
source "$(dirname "$0")/../tests/window/session.sh" "$1"
start_display
if [ "${3:-}" = bus ]; then start_accessibility_bus; fi
game_command=$game
mkdir -p "$work/game" # the game is played where it lies
open_start_window
open_play_window
sleep 2

# Nanoseconds on a CPU, all threads of PID.
run_ns() { cat /proc/"$1"/task/*/schedstat | awk '{s += $1} END {printf "%d\n", s}'; }
# Voluntary context switches, all threads of PID.
wakeups() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s}'; }
sample() { echo "$(date +%s%N) $(run_ns "$game_pid") $(run_ns "$xvfb_pid") $(wakeups "$game_pid")"; }

read -r t0 g0 x0 w0 < <(sample)
sleep "$seconds"
read -r t1 g1 x1 w1 < <(sample)
kill -0 "$game_pid" 2>/dev/null || fail "the game ended while playing"
awk -v t="$((t1 - t0))" -v g="$((g1 - g0))" -v x="$((x1 - x0))" -v w="$((w1 - w0))" \
    'BEGIN { printf "%.2f %.2f %.1f\n", 100 * g / t, 100 * x / t, w * 1e9 / t }'
