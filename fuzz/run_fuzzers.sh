#!/usr/bin/env bash
# Runs each fuzz target for SECONDS, two at a time, each on a working corpus
# in BUILD_DIR/corpus/TARGET that starts from the seeds kept in fuzz/ and
# keeps what earlier runs found. Prints how many inputs each target ran and
# fails when one of them finds anything, leaving the input that did it in
# BUILD_DIR/findings/TARGET.
# usage: fuzz/run_fuzzers.sh BUILD_DIR SECONDS TARGET...
set -uo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2
shift 2

run_target() {
    local target=$1
    local corpus=$build/corpus/$target findings=$build/findings/$target
    mkdir -p "$corpus"
    rm -rf "$findings" && mkdir -p "$findings"
    cp -n "fuzz/corpus/$target"/* "$corpus"/
    # Inputs that once failed are the first place to look again.
    local kept=()
    [ -d "fuzz/regressions/$target" ] && kept+=("fuzz/regressions/$target")
    # A single input that runs for seconds is a finding too. Inputs are kept
    # to 2 KiB (a header and dozens of rows), which runs many more of them and
    # covers as much; longer kept inputs (a row past the reader's limit) are
    # cut to that while fuzzing and run whole as tests.
    "$build/${target}_fuzz" -max_total_time="$seconds" -timeout=30 -max_len=2048 \
        -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" "${kept[@]}" >"$build/fuzz-$target.log" 2>&1
    echo $? >"$build/fuzz-$target.status"
}

for target in "$@"; do
    while [ "$(jobs -rp | wc -l)" -ge 2 ]; do
        wait -n
    done
    echo "Fuzzing $target for $seconds s"
    run_target "$target" &
done
wait

failed=0
for target in "$@"; do
    log=$build/fuzz-$target.log
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    found=$(find "$build/findings/$target" -type f)
    if [ "$(cat "$build/fuzz-$target.status")" != 0 ] || [ -n "$found" ]; then
        failed=1
        echo "$target: FOUND A FAILURE after ${runs:-?} runs; the input is kept in:"
        echo "${found:-  (no input file; see $log)}" | sed 's/^/  /'
        echo "  Reproduce: $build/${target}_fuzz FILE   Reduce: add -minimize_crash=1 -runs=10000"
        grep -E -m 5 "ERROR|SUMMARY|deadly|timeout|leak" "$log" | sed 's/^/  /'
    else
        echo "$target: ${runs:-?} runs in $seconds s, nothing found"
    fi
done
exit "$failed"
