#!/usr/bin/env bash
# Runs every program of the suite on the sample data in a fresh folder, renders
# a figure of every plottable output and writes index.html, one page showing
# the run: the summary table, the estimates beside their true values, and
# every figure with its caption.
# Usage: demo/run_demo.sh [BUILD_DIR [OUTPUT_DIR]]
#   BUILD_DIR   a built tree, or the prefix of an installed suite: programs
#               in BUILD_DIR/bin (default: build/release of the source tree,
#               or the prefix this script is installed under)
#   OUTPUT_DIR  made when missing (default: demo-output in the current
#               directory); an existing folder is used, and cleared, only when
#               it is empty or an earlier demo run left its marker file
#               .physics-suite-demo there: the demo deletes nothing it did not make
# Each program's standard output and error are kept as NAME.stdout and
# NAME.stderr. A program or figure that fails makes the demo fail, naming it.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
default_build=$root/build/release
[ -d "$default_build/bin" ] || default_build=$root/../..
build=$(cd "${1:-$default_build}" && pwd) || exit 1
out=${2:-demo-output}
bin=$build/bin

marker=.physics-suite-demo
if [ -d "$out" ] && [ -n "$(ls -A "$out")" ] && [ ! -f "$out/$marker" ]; then
    echo "run_demo.sh: $out is not empty and was not made by the demo" >&2
    exit 1
fi
mkdir -p "$out" || exit 1
out=$(cd "$out" && pwd)
cd "$out" || exit 1
find . -mindepth 1 -delete || exit 1
touch "$marker"

# gnuplot renders the figures; as root on Debian it is installed when missing.
if ! command -v gnuplot >/dev/null && [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null; then
    echo "Installing gnuplot-nox for the figures"
    { apt-get update && apt-get install -y --no-install-recommends gnuplot-nox; } >gnuplot-install.log 2>&1 ||
        echo "demo: could not install gnuplot-nox (see gnuplot-install.log)" >&2
fi
have_gnuplot=$(command -v gnuplot || true)

runs=()        # name|status|seconds|files
failed=()
figures=()     # name|caption
estimates=()   # program|quantity|estimate|true value

# run_step [-i STDIN_TEXT] NAME [ARG...]: runs one program here and records it.
run_step() {
    local input=""
    if [ "$1" = "-i" ]; then input=$2; shift 2; fi
    local name=$1; shift
    local stamp start end status files
    stamp=$(mktemp)
    start=$(date +%s.%N)
    printf '%s' "$input" | "$bin/$name" "$@" >"$name.stdout" 2>"$name.stderr"
    status=$?
    end=$(date +%s.%N)
    files=$(find . -maxdepth 1 -type f -newer "$stamp" ! -name '*.stdout' ! -name '*.stderr' \
            -printf '%f\n' | sort | tr '\n' ' ')
    rm -f "$stamp"
    runs+=("$name|$status|$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }')|${files% }")
    if [ "$status" -ne 0 ]; then
        failed+=("$name")
        echo "demo: $name FAILED with status $status:" >&2
        sed 's/^/  /' "$name.stderr" >&2
    fi
}

# plot_step NAME CAPTION: renders plots/NAME.gp (which reads the data files of
# this folder by name) into NAME.png.
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
estimate() {
    estimates+=("$1|$2|$3|$4")
}

html() {
    sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' <<<"$1"
}

write_page() {
    local row name status seconds files program quantity value truth caption
    {
        echo '<!DOCTYPE html>'
        echo '<html lang="en"><head><meta charset="utf-8"><title>Physics suite demo</title>'
        echo '<style>body{font-family:sans-serif;max-width:960px;margin:auto}'
        echo 'table{border-collapse:collapse}td,th{border:1px solid #999;padding:2px 8px;text-align:left}'
        echo '.failed{color:#b00;font-weight:bold}figure{margin:2em 0}img{max-width:100%}</style></head><body>'
        echo '<h1>Physics suite demo run</h1>'
        echo "<p>Every program of the suite, run on the generated sample data in this folder on $(html "$(date -u '+%Y-%m-%d %H:%M UTC')").</p>"
        echo '<h2>Programs</h2><table><tr><th>program</th><th>exit status</th><th>seconds</th><th>files written</th></tr>'
        for row in "${runs[@]}"; do
            IFS='|' read -r name status seconds files <<<"$row"
            [ "$status" = 0 ] && status="0" || status="<span class=\"failed\">$status</span>"
            echo "<tr><td>$(html "$name")</td><td>$status</td><td>$seconds</td><td>$(html "$files")</td></tr>"
        done
        echo '</table>'
        echo '<h2>Estimates and their true values</h2><table><tr><th>program</th><th>quantity</th><th>estimate</th><th>true value</th></tr>'
        for row in "${estimates[@]}"; do
            IFS='|' read -r program quantity value truth <<<"$row"
            echo "<tr><td>$(html "$program")</td><td>$(html "$quantity")</td><td>$(html "$value")</td><td>$(html "$truth")</td></tr>"
        done
        echo '</table>'
        echo '<h2>Figures</h2>'
        [ -n "$have_gnuplot" ] || echo '<p class="failed">gnuplot was not available: no figures were rendered.</p>'
        for row in "${figures[@]}"; do
            IFS='|' read -r name caption <<<"$row"
            echo "<figure id=\"$name\"><img src=\"$name.png\" alt=\"$(html "$name")\">"
            echo "<figcaption><b>$(html "$name")</b>: $(html "$caption")</figcaption></figure>"
        done
        echo '</body></html>'
    } >index.html
}

echo "Writing sample data into $out"
"$bin/make_sample_data" . || { echo "demo: make_sample_data FAILED" >&2; exit 1; }

for step in "$root"/demo/steps/*.sh; do
    # shellcheck source=/dev/null
    . "$step"
done
write_page

printf '\n%-18s %6s %8s  %s\n' program status seconds "files written"
for row in "${runs[@]}"; do
    IFS='|' read -r name status seconds files <<<"$row"
    printf '%-18s %6s %8s  %s\n' "$name" "$status" "$seconds" "$files"
done
printf '\n%-18s %-28s %-16s %s\n' program quantity estimate "true value"
for row in "${estimates[@]}"; do
    IFS='|' read -r program quantity value truth <<<"$row"
    printf '%-18s %-28s %-16s %s\n' "$program" "$quantity" "$value" "$truth"
done
echo
if [ -n "$have_gnuplot" ]; then
    echo "${#figures[@]} figures rendered."
else
    echo "gnuplot not found and not installable here: no figures rendered (apt-get install gnuplot-nox)."
fi
echo "Outputs are in $out; open $out/index.html for the whole run."
if [ ${#failed[@]} -gt 0 ]; then
    echo "demo: FAILED: ${failed[*]}" >&2
    exit 1
fi
