#!/usr/bin/env bash
# Prints the benchmark table: bench.sh BUILD_DIR. Needs Xvfb and openbox.
build=$1
runs=11
# The real-window tests' private display, openbox and helpers.
# shellcheck source=../tests/window/session.sh
source "$(dirname "$0")/../tests/window/session.sh" "$build/zellomar"

cpu=$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')
os=$(. /etc/os-release && echo "$PRETTY_NAME")
memory=$(awk '/MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null | cut -d+ -f1)

# Micro-benchmarks on the offscreen platform.
"$build/bench/micro_bench" --benchmark_format=csv --benchmark_min_time=1 2>/dev/null > "$work/micro.csv"
micro() { # name -> microseconds
    awk -F, -v name="\"$1\"" '$1 == name {
        t = $3; if ($5 == "ns") t /= 1000; else if ($5 == "ms") t *= 1000; printf "%.3f", t }' "$work/micro.csv"
}

# A private X display; start-up is timed before the window manager runs, so that
# the program's own window is what is drawn (and seen through the DAMAGE extension).
window_manager=none start_display -noreset

for _ in $(seq "$runs"); do
    "$build/bench/startwatch" Zellomar "$build/zellomar" >> "$work/game-start" 2>/dev/null ||
        { echo "bench: startwatch failed on the game" >&2; exit 1; }
    "$build/bench/startwatch" Minimal "$build/bench/minimal_qt" >> "$work/minimal-start" 2>/dev/null ||
        { echo "bench: startwatch failed on the yardstick" >&2; exit 1; }
done
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
game_ms=$(cut -d' ' -f1 "$work/game-start" | median)
minimal_ms=$(cut -d' ' -f1 "$work/minimal-start" | median)
game_kib=$(cut -d' ' -f2 "$work/game-start" | median)
minimal_kib=$(cut -d' ' -f2 "$work/minimal-start" | median)
# Each game run is paired with the yardstick run after it, so that a change of
# load on the machine touches both sides of a ratio alike.
ratio() { # field -> median of game/yardstick over the pairs
    paste -d' ' <(cut -d' ' -f"$1" "$work/game-start") <(cut -d' ' -f"$1" "$work/minimal-start") |
        awk '{print $1 / $2}' | median
}
start_ratio=$(ratio 1)
cpu_ratio=$(ratio 4)
game_cpu_ms=$(cut -d' ' -f4 "$work/game-start" | median)
minimal_cpu_ms=$(cut -d' ' -f4 "$work/minimal-start" | median)

start_window_manager openbox
read -r rate p50 p99 largest _ rss tick_us < <("$build/play_run" 10 2>/dev/null)

# The shipped executable, played with the real keys in a display of its own.
read -r game_cpu xvfb_cpu wakeups < <(bash "$(dirname "$0")/play-cpu.sh" "$build/zellomar" 10)
read -r bus_game_cpu bus_xvfb_cpu bus_wakeups < <(bash "$(dirname "$0")/play-cpu.sh" "$build/zellomar" 10 bus)

echo "Zellomar benchmarks on $cpu, $(nproc) cores, $memory, $os, Qt $qt"
echo
echo "| Measure | Result | Target |"
echo "| --- | --- | --- |"
echo "| Ball tick, no hit, 84 standing walls (game logic only, no painting) | $(micro BallTickNoHit) µs | at most 2 µs |"
echo "| Ball tick that removes a wall, 83 standing (game logic and the copies into memory, offscreen; not the repaint that follows) | $(micro BallTickWithRemoval) µs | at most 1000 µs |"
echo "| Loading a level of 84 records, with its drawing pass | $(micro LoadLevel84) µs | |"
echo "| Rectangle test | $(micro RectangleTest) µs | |"
echo "| Ball ticks a second, 10 s in Xvfb | $rate | at least 99.5 |"
echo "| Interval between ticks, p50 / p99 / largest | $p50 / $p99 / $largest ms | p99 at most 12 ms |"
echo "| CPU per ball tick with its repaint and flush to the X server, game process, 10 s in Xvfb | $tick_us µs | |"
awk -v g="$game_cpu" -v x="$xvfb_cpu" 'BEGIN {
    printf "| CPU while playing, shipped executable / Xvfb / both, 10 s | %.2f / %.2f / %.2f %% of one core | both at most 3 %% |\n", g, x, g + x }'
echo "| Wake-ups while playing, shipped executable, all threads | $wakeups a second | at most 110 |"
awk -v g="$bus_game_cpu" -v x="$bus_xvfb_cpu" 'BEGIN {
    printf "| CPU while playing with an AT-SPI bus running and no screen reader, shipped executable / Xvfb / both, 10 s | %.2f / %.2f / %.2f %% of one core | both at most 3 %% |\n", g, x, g + x }'
echo "| Wake-ups while playing with an AT-SPI bus running and no screen reader, all threads | $bus_wakeups a second | at most 110 |"
echo "| Peak resident memory while playing | $rss MiB | |"
awk -v g="$game_ms" -v m="$minimal_ms" -v r="$start_ratio" 'BEGIN {
    printf "| Start-up to the end of the first complete paint, game / Qt window with two bold buttons (medians of '"$runs"' runs in pairs) | %.1f / %.1f ms (%.2f times) | at most 1.15 times |\n", g, m, r }'
awk -v g="$game_cpu_ms" -v m="$minimal_cpu_ms" -v r="$cpu_ratio" 'BEGIN {
    printf "| CPU spent until that first paint, game / the same yardstick | %.1f / %.1f ms (%.2f times) | |\n", g, m, r }'
awk -v g="$game_kib" -v m="$minimal_kib" 'BEGIN {
    printf "| Peak resident memory at start, game / Qt window with two bold buttons | %.1f / %.1f MiB (%+.1f MiB) | at most 10 MiB more |\n", g / 1024, m / 1024, (g - m) / 1024 }'
