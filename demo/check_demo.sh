#!/usr/bin/env bash
# Checks a finished demo run: every program of the build ran and succeeded,
# every figure script gave a non-empty PNG, and index.html shows every figure.
# Usage: demo/check_demo.sh [BUILD_DIR [OUTPUT_DIR]]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
out=${2:-$root/demo-output}
problems=0

for exe in "$build"/bin/*; do
    name=$(basename "$exe")
    [ "$name" = make_sample_data ] && continue
    if [ ! -e "$out/$name.stdout" ]; then
        echo "check: $name was not run by the demo"; problems=$((problems + 1))
    fi
done
for script in "$root"/plots/*.gp; do
    name=$(basename "$script" .gp)
    if [ ! -s "$out/$name.png" ]; then
        echo "check: figure $name.png missing or empty"; problems=$((problems + 1))
    elif ! grep -q "src=\"$name.png\"" "$out/index.html"; then
        echo "check: index.html does not show $name.png"; problems=$((problems + 1))
    fi
done
if grep -q 'class="failed"' "$out/index.html"; then
    echo "check: index.html reports a failure"; problems=$((problems + 1))
fi
if [ "$problems" -gt 0 ]; then
    echo "check: $problems problem(s) in the demo run"
    exit 1
fi
echo "check: demo run complete: every program succeeded, every figure rendered and shown"
