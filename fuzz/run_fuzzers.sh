#!/usr/bin/env bash
# Runs every libFuzzer target of a SUITE_FUZZ build for a fixed time each and
# fails when any of them finds a crash, a sanitizer report, a leak or a hang.
# Usage: fuzz/run_fuzzers.sh BUILD_DIR SECONDS
#   BUILD_DIR  a clang build configured with -DSUITE_FUZZ=ON, targets built
#              (cmake --build BUILD_DIR --target fuzzers); nothing is built here
#   SECONDS    fuzzing time per target
# New inputs go to BUILD_DIR/fuzz-work/TARGET (the seed corpus in fuzz/corpus
# is only read); findings to BUILD_DIR/fuzz-findings/TARGET. FUZZ_MAX_LEN sets
# the longest input tried (default 16384 bytes).
set -uo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd) || exit 2
seconds=$2
max_len=${FUZZ_MAX_LEN:-16384}

shopt -s nullglob
targets=("$build"/fuzz-bin/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then
    echo "$0: no fuzz targets in $build/fuzz-bin (configure with -DSUITE_FUZZ=ON, build 'fuzzers')" >&2
    exit 2
fi

failed=()
printf '%-18s %8s %12s %10s\n' target seconds executions "exec/s"
for exe in "${targets[@]}"; do
    name=${exe##*/fuzz_}
    corpus=$root/fuzz/corpus/$name
    work=$build/fuzz-work/$name
    findings=$build/fuzz-findings/$name
    log=$build/fuzz-findings/$name.log
    mkdir -p "$work" "$findings"
    "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" \
        -dict="$root/fuzz/dict/records.dict" -print_final_stats=1 \
        -artifact_prefix="$findings/" "$work" "$corpus" >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    printf '%-18s %8s %12s %10s\n' "$name" "$seconds" "${runs:-?}" "${rate:-?}"
    if [ $status -ne 0 ]; then
        failed+=("$name")
        echo "--- $name: status $status, findings in $findings" >&2
        grep -E 'ERROR|runtime error|SUMMARY|Test unit written' "$log" | head -20 >&2
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found faults in: ${failed[*]}" >&2
    exit 1
fi
