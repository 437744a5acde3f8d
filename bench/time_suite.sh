#!/usr/bin/env bash
# Times every program of the suite on its sample data (release build), then
# the spectrum programs three ways on the same data, in the same run: the
# plain scalar direct sum built at -O2 (bench/plain_spectrum, the baseline),
# the scalar-only transform (scalar preset) and the dispatched one (release),
# in user CPU seconds, with the baseline's time over the dispatched one's.
# Fails if a spectrum program's files or console output differ by one byte
# from the baseline's in either build. Then the transform at ten times the
# samples, the frequencies and both (bench/spectrum_tiers, a few minutes).
# Usage: bench/time_suite.sh   (builds the release and scalar presets first)
#        bench/time_suite.sh BUILD SCALAR_BUILD   (the spectrum programs alone, of
#        two builds made already, e.g. of another tree to compare with; builds nothing)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -eq 2 ]; then
    release_dir=$(cd "$1" && pwd)
    scalar_dir=$(cd "$2" && pwd)
fi
cd "$root"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ $# -ne 2 ]; then
    for preset in release scalar; do
        cmake --preset "$preset" >/dev/null
        cmake --build --preset "$preset" >/dev/null
    done
    release_dir=$root/build/release
    scalar_dir=$root/build/scalar
    echo "Every program on its sample data (release build):"
    demo/run_demo.sh build/release "$work/demo" | sed -n '/^program  *status/,/^$/p'
fi

seconds() {   # seconds DIR COMMAND...: runs it in DIR, standard output to
              # DIR/console.txt; prints its user CPU seconds
    local dir=$1
    shift
    (
        cd "$dir"
        TIMEFORMAT=%U
        { time "$@" >console.txt; } 2>&1
    )
}

for build in plain scalar release; do
    mkdir -p "$work/$build"
    "$release_dir/bin/make_sample_data" "$work/$build"
done
status=0
echo
printf '%-16s %9s %9s %12s %7s  %s\n' program "plain s" "scalar s" "dispatched s" ratio output
for program in crab_spectrum pulsar_spectrum phone_spectrum; do
    plain=$(seconds "$work/plain" "$release_dir/bench/plain_spectrum" "$program")
    scalar=$(seconds "$work/scalar" "$scalar_dir/bin/$program")
    vector=$(seconds "$work/release" "$release_dir/bin/$program")
    same=identical
    for build in scalar release; do
        for f in "$work/plain"/f*.txt "$work/plain/console.txt"; do
            cmp -s "$f" "$work/$build/$(basename "$f")" || { same="DIFFERS: $build $(basename "$f")"; status=1; }
        done
    done
    printf '%-16s %9s %9s %12s %7s  %s\n' "$program" "$plain" "$scalar" "$vector" \
        "$(awk -v a="$plain" -v b="$vector" 'BEGIN { printf "%.1f", a / b }')" "$same"
done
echo
echo "At scale: Crab.dat's values on ten times the samples (over ten times the span, then at"
echo "ten times the rate), ten times the frequencies and both, by the cost model's choice and by"
echo "the recurrence alone, every line compared; the plain loop's time estimated from every 97th"
echo "line (bench/spectrum_tiers):"
printf '%9s %7s %10s %12s %9s %8s %8s  %s\n' samples lines "chosen s" "recurrence s" "plain s" \
    plain/ rec./ output
for scale in "" "--repeat 10" "--repeat 10 --rate 300000" "--steps 10" "--repeat 10 --steps 10"; do
    # shellcheck disable=SC2086
    (cd "$work/release" && "$release_dir/bench/spectrum_tiers" $scale) || status=1
done
echo
echo "Transform cost per sample and frequency on each path:"
if [ -x "$release_dir/bench/dft_bench" ]; then
    "$release_dir/bench/dft_bench" --benchmark_min_time=0.5 2>/dev/null | grep -E '^(Benchmark|transform)'
else
    echo "(dft_bench not built: install libbenchmark-dev)"
fi
exit $status
