#!/bin/sh
# Runs the level reader's two fuzz targets, each for SECONDS: fuzz.sh BUILD_DIR SECONDS.
# level_fuzz reads whole level files (long lines included) and checks the wall
# table of each level that loads; number_fuzz checks the number reader against
# strtod. Prints the executions and the findings; fails when there is any finding.
set -eu
build=$1
seconds=$2
found=0

# run TARGET MAX_LEN SEED_FOLDER...
run() {
    target=$1 max_len=$2
    shift 2
    out="$build/$target"
    mkdir -p "$out/corpus" "$out/findings"
    QT_QPA_PLATFORM=offscreen "$build/fuzz/$target" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=4096 \
        -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$out/findings/" \
        "$out/corpus" "$@" 2>"$out/fuzz.log" || true
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|^INFO: seed corpus|ERROR' "$out/fuzz.log" || true
    findings=$(find "$out/findings" -type f | wc -l)
    echo "fuzz: $target: $(grep -m1 '^stat::number_of_executed_units' "$out/fuzz.log" | awk '{print $2}') executions in $seconds s, $findings findings"
    if [ "$findings" -ne 0 ]; then
        tail -n 40 "$out/fuzz.log"
        ls "$out/findings"
        found=1
    fi
}

run level_fuzz 140000 fuzz/seeds levels
run number_fuzz 256 fuzz/seeds/numbers
exit $found
