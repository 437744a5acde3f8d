#!/usr/bin/env bash
# Checks a finished demo run: every program of the build ran and succeeded,
# every figure script (the accuracy studies' included) gave a non-empty PNG,
# index.html shows every figure, every src and href of index.html names a
# file of the output folder (or an anchor of the page), every program links
# its manual page (section 1phys; the dispatcher's, section 1, too), every
# figure links its full-size PNG, every section shows a result (a figure, a
# table row or a screen) and every study has a measured slope within its
# tolerance of theory. Where a headless
# Chromium is installed, it renders the page at a desktop and a phone width
# and must load it without error (skipped otherwise).
# Usage: demo/check_demo.sh [BUILD_DIR [OUTPUT_DIR]]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
out=$(cd "${2:-$root/demo-output}" && pwd) || exit 1
problems=0
# The programs: in bin/ of a build tree, where physics-suite names them in an
# installation.
bin=$build/bin
[ -x "$bin/physics-suite" ] && bin=$("$bin/physics-suite" --path)

for exe in "$bin"/*; do
    name=$(basename "$exe")
    case $name in make_sample_data | physics-suite) continue ;; esac
    if [ ! -e "$out/$name.stdout" ]; then
        echo "check: $name was not run by the demo"; problems=$((problems + 1))
    fi
    if ! grep -q "href=\"man/$name.1phys.html\"" "$out/index.html"; then
        echo "check: index.html does not link the manual page of $name"; problems=$((problems + 1))
    fi
done
if ! grep -q 'href="man/physics-suite.1.html"' "$out/index.html"; then
    echo "check: index.html does not link the manual page of physics-suite"; problems=$((problems + 1))
fi
for script in "$root"/plots/*.gp; do
    name=$(basename "$script" .gp)
    if [ ! -s "$out/$name.png" ]; then
        echo "check: figure $name.png missing or empty"; problems=$((problems + 1))
    elif ! grep -q "src=\"$name.png\"" "$out/index.html"; then
        echo "check: index.html does not show $name.png"; problems=$((problems + 1))
    fi
done
# Every link and image of the page resolves: a file of the folder, or an id of the page.
while read -r target; do
    target=${target#*=\"}
    target=${target%\"}
    case $target in
        '#'*) grep -q "id=\"${target#\#}\"" "$out/index.html" || { echo "check: no anchor $target in index.html"; problems=$((problems + 1)); } ;;
        *) [ -f "$out/$target" ] || { echo "check: index.html names $target, which is not in $out"; problems=$((problems + 1)); } ;;
    esac
done < <(grep -o -E '(src|href)="[^"]*"' "$out/index.html")
while read -r image; do
    echo "check: index.html shows $image without a link to it"; problems=$((problems + 1))
done < <(grep -o -E '(<a href="[^"]*">)?<img src="[^"]*"' "$out/index.html" | awk -F'"' 'NF < 5 || $2 != $4 { print $(NF - 1) }')
while read -r section; do
    echo "check: section $section of index.html shows no figure, table row or screen"; problems=$((problems + 1))
done < <(awk '
    /<section id="/ { id = $0; sub(/.*<section id="/, "", id); sub(/".*/, "", id); shown = 0 }
    /<img |<tr><td|<pre>/ { shown = 1 }
    /<\/section>/ { if (!shown) print id }' "$out/index.html")
if grep -q 'not measured' "$out/index.html"; then
    echo "check: a study of the Accuracy table has no measured slope"; problems=$((problems + 1))
fi
# Each study's fitted slope within its tolerance of theory: the slopes file,
# its line, the theoretical slope and the tolerance ("flat", an error that
# never changes, counts as slope 0).
accuracy_slopes=(
    "accuracy_swing_step 1 1 0.1" "accuracy_swing_step 2 2 0.1"
    "accuracy_flight 1 1 0.1" "accuracy_flight 2 1 0.1"
    "accuracy_ode_step 1 2 0.1"
    "accuracy_quadrature 1 2 0.1" "accuracy_quadrature 2 4 0.1"
    "accuracy_sawtooth 1 -0.5 0.05" "accuracy_sawtooth 2 0 0.05"
    "accuracy_dimension_volume 1 -0.5 0.1" "accuracy_dimension_volume 2 -0.5 0.1"
    "accuracy_dimension_volume 3 -0.5 0.1"
    "accuracy_ball_volume 1 -0.5 0.1" "accuracy_ball_volume 2 -0.5 0.1"
    "accuracy_half_life_sim 1 -0.5 0.1"
    "accuracy_pi_series 1 -1 0.05"
    "accuracy_swing_sim 1 1 0.1" "accuracy_swing_sim 2 0 0.1"
    "accuracy_ode_stepper 1 1 0.1"
)
# Where the exactness study ran, every line's measured distance lies within its bound.
if [ -s "$out/accuracy_exactness.slopes" ]; then
    ratio=$(sed -n 1p "$out/accuracy_exactness.slopes")
    if ! awk -v r="$ratio" 'BEGIN { exit !(r ~ /^[0-9.e+-]+$/ && r + 0 < 1) }'; then
        echo "check: spectrum exactness: largest distance over bound '$ratio' is not below 1"
        problems=$((problems + 1))
    fi
fi
for entry in "${accuracy_slopes[@]}"; do
    read -r name line theory tolerance <<<"$entry"
    slope=$(sed -n "${line}p" "$out/$name.slopes" 2>/dev/null)
    if ! awk -v s="$slope" -v t="$theory" -v d="$tolerance" 'BEGIN {
            if (s == "flat") s = 0
            else if (s !~ /^[-+]?[0-9]*\.?[0-9]+([eE][-+]?[0-9]+)?$/) exit 1
            exit !((s - t) ^ 2 <= d ^ 2) }'; then
        echo "check: accuracy study $name, slope $line: '$slope' is not within $tolerance of $theory"
        problems=$((problems + 1))
    fi
done
if grep -q 'class="failed"' "$out/index.html"; then
    echo "check: index.html reports a failure"; problems=$((problems + 1))
fi
# The page as a browser shows it: a load error fails, a missing browser skips.
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
    echo "check: skipped the browser rendering: no chromium installed"
else
    for size in 1280,2000 390,844; do
        profile=$(mktemp -d)
        if ! "$browser" --headless --no-sandbox --disable-gpu --disable-background-networking \
                --disable-component-update --disable-sync --no-first-run --user-data-dir="$profile" \
                --window-size="$size" --screenshot="$profile/page.png" "file://$out/index.html" \
                >"$profile/log" 2>&1 || grep -q 'Page load failed' "$profile/log" || [ ! -s "$profile/page.png" ]; then
            echo "check: chromium could not render index.html at $size:"
            grep -E 'ERROR|load failed' "$profile/log" | grep -v dbus
            problems=$((problems + 1))
        fi
        rm -rf "$profile"
    done
fi
if [ "$problems" -gt 0 ]; then
    echo "check: $problems problem(s) in the demo run"
    exit 1
fi
echo "check: demo run complete: every program succeeded, every figure rendered and shown, every link resolves"
