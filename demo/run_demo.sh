#!/usr/bin/env bash
# Runs every program of the suite on the sample data in a fresh folder.
# Usage: demo/run_demo.sh [BUILD_DIR [OUTPUT_DIR]]
#   BUILD_DIR   a configured and built tree (default: build/release)
#   OUTPUT_DIR  made anew (default: demo-output)
# Each program's standard output and error are kept as NAME.stdout and
# NAME.stderr; a table of exit status, seconds and files written ends the run.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/release}" && pwd)
out=${2:-$root/demo-output}
bin=$build/bin

rm -rf "$out"
mkdir -p "$out"
out=$(cd "$out" && pwd)
cd "$out" || exit 1

summary=()
failed=()

# run_step [-i STDIN_TEXT] NAME [ARG...]: runs one program here and records it.
run_step() {
    local input=""
    if [ "$1" = "-i" ]; then input=$2; shift 2; fi
    local name=$1; shift
    local stamp; stamp=$(mktemp)
    local start end status
    start=$(date +%s.%N)
    printf '%s' "$input" | "$bin/$name" "$@" >"$name.stdout" 2>"$name.stderr"
    status=$?
    end=$(date +%s.%N)
    local files
    files=$(find . -maxdepth 1 -type f -newer "$stamp" ! -name '*.stdout' ! -name '*.stderr' \
            -printf '%f\n' | sort | tr '\n' ' ')
    rm -f "$stamp"
    summary+=("$(printf '%-18s %6s %9.2f  %s' "$name" "$status" "$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')" "$files")")
    if [ "$status" -ne 0 ]; then
        failed+=("$name")
        echo "demo: $name FAILED with status $status:" >&2
        sed 's/^/  /' "$name.stderr" >&2
    fi
}

# plot_step NAME CAPTION: renders plots/NAME.gp (which reads the data files of
# this folder by name) into NAME.png.
figures=()
have_gnuplot=$(command -v gnuplot || true)
plot_step() {
    local name=$1 caption=$2
    [ -n "$have_gnuplot" ] || return 0
    if gnuplot -c "$root/plots/$name.gp" "$name.png" 2>"$name.plot.log" && [ -s "$name.png" ]; then
        rm -f "$name.plot.log"
        figures+=("$name|$caption")
    else
        failed+=("plot $name")
        echo "demo: plot $name FAILED:" >&2
        sed 's/^/  /' "$name.plot.log" >&2
    fi
}

# estimate PROGRAM QUANTITY ESTIMATE TRUE_VALUE: one row of the estimates table.
estimates=()
estimate() {
    estimates+=("$(printf '%-18s %-28s %-16s %s' "$1" "$2" "$3" "$4")")
}

echo "Writing sample data into $out"
"$bin/make_sample_data" . || { echo "demo: make_sample_data FAILED" >&2; exit 1; }

for step in "$root"/demo/steps/*.sh; do
    [ -e "$step" ] || continue
    # shellcheck source=/dev/null
    . "$step"
done

printf '\n%-18s %6s %9s  %s\n' program status seconds "files written"
printf '%s\n' "${summary[@]}"
if [ ${#estimates[@]} -gt 0 ]; then
    printf '\n%-18s %-28s %-16s %s\n' program quantity estimate "true value"
    printf '%s\n' "${estimates[@]}"
fi
[ -n "$have_gnuplot" ] || echo "gnuplot not found: no figures rendered (apt-get install gnuplot-nox)"
echo
echo "Outputs are in $out"
if [ ${#failed[@]} -gt 0 ]; then
    echo "demo: FAILED: ${failed[*]}" >&2
    exit 1
fi
