#!/usr/bin/env bash
# Plays the shipped executable the way a player does and reads what it costs:
# play-cpu.sh GAME [SECONDS]. Starts a private Xvfb with openbox, starts GAME,
# opens the play window with Alt+G, waits 2 s and then reads /proc for SECONDS
# (10 unless given). Prints: game_cpu_percent xvfb_cpu_percent wakeups_per_second
# CPU is per cent of one core, from the run time of every thread (schedstat, in
# nanoseconds); wake-ups are the game's voluntary context switches, all threads.
set -euo pipefail
game=$1
seconds=${2:-10}
work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "play-cpu: $*" >&2
    exit 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
unset WAYLAND_DISPLAY
openbox >/dev/null 2>&1 &
wm_pid=$!
sleep 0.5

"$game" 2>/dev/null &
game_pid=$!

# The visible "Zellomar" window whose client area is SIZE, waiting up to 10 s.
wait_window() {
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --name '^Zellomar$' 2>/dev/null); do
            [ "$(xdotool getwindowgeometry "$id" | awk '/Geometry/ {print $2}')" = "$1" ] && echo "$id" && return 0
        done
        sleep 0.1
    done
    return 1
}
start=$(wait_window 423x429) || fail "no start window"
xdotool windowactivate --sync "$start"
xdotool key alt+g
play=$(wait_window 677x480) || fail "no play window after Alt+G"
xdotool windowactivate --sync "$play"
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
