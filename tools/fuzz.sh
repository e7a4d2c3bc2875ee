#!/bin/sh
# Runs the level reader's fuzz target: fuzz.sh BUILD_DIR SECONDS. Prints the
# executions and the findings; fails when there is any finding.
set -eu
build=$1
seconds=$2
mkdir -p "$build/corpus" "$build/findings"
QT_QPA_PLATFORM=offscreen "$build/fuzz/level_fuzz" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=4096 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="$build/findings/" \
    "$build/corpus" fuzz/seeds levels 2>"$build/fuzz.log" || true
grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|^INFO: seed corpus|ERROR' "$build/fuzz.log" || true
findings=$(find "$build/findings" -type f | wc -l)
echo "fuzz: $(grep -m1 '^stat::number_of_executed_units' "$build/fuzz.log" | awk '{print $2}') executions in $seconds s, $findings findings"
if [ "$findings" -ne 0 ]; then
    tail -n 40 "$build/fuzz.log"
    ls "$build/findings"
    exit 1
fi
