#!/usr/bin/env bash
# Times every program of the suite on its sample data (release build), and the
# spectrum programs with the scalar-only transform beside the dispatched one,
# with their ratio, in the same run. Fails if a spectrum program's files or
# console output differ by one byte between the two builds.
# Usage: bench/time_suite.sh   (builds the release and scalar presets first)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
for preset in release scalar; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" >/dev/null
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "Every program on its sample data (release build):"
demo/run_demo.sh build/release "$work/demo" | sed -n '/^program  *status/,/^$/p'

seconds() {   # seconds DIR PROGRAM BUILD: runs it there, prints the wall time
    local start end
    start=$(date +%s.%N)
    (cd "$1" && "$root/build/$3/bin/$2" >"$2.stdout")
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }'
}

mkdir -p "$work/scalar" "$work/vector"
build/release/bin/make_sample_data "$work/scalar"
build/release/bin/make_sample_data "$work/vector"
status=0
echo
printf '%-16s %10s %12s %7s  %s\n' program "scalar s" "dispatched s" ratio output
for program in crab_spectrum pulsar_spectrum phone_spectrum; do
    scalar=$(seconds "$work/scalar" "$program" scalar)
    vector=$(seconds "$work/vector" "$program" release)
    same=identical
    for f in "$work/scalar"/f*.txt "$work/scalar/$program.stdout"; do
        cmp -s "$f" "$work/vector/$(basename "$f")" || { same="DIFFERS: $(basename "$f")"; status=1; }
    done
    printf '%-16s %10s %12s %7s  %s\n' "$program" "$scalar" "$vector" \
        "$(awk -v a="$scalar" -v b="$vector" 'BEGIN { printf "%.1f", a / b }')" "$same"
done
echo
echo "Transform cost per sample on each path:"
if [ -x build/release/bench/dft_bench ]; then
    build/release/bench/dft_bench --benchmark_min_time=0.5 2>/dev/null | grep -E '^(Benchmark|transform)'
else
    echo "(dft_bench not built: install libbenchmark-dev)"
fi
exit $status
