#!/usr/bin/env bash
# Builds the Debian package of a build tree in a scratch folder and checks it:
# the programs, the compressed manual pages, the copyright file and the
# changelog are where Debian wants them, no manual page is left uncompressed,
# and lintian, where installed, reports no error and no warning.
# Usage: packaging/check_package.sh BUILD_DIR [CPACK]
# Exits 77 (skipped) without dpkg-deb to read the package.
set -uo pipefail
build=$1
cpack=${2:-cpack}
command -v dpkg-deb >/dev/null || { echo "skipped: dpkg-deb is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! "$cpack" -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(echo "$work"/*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
problems=0
for path in ./usr/bin/crab_spectrum ./usr/bin/make_sample_data \
        ./usr/share/man/man1/crab_spectrum.1.gz ./usr/share/man/man7/physics_suite.7.gz \
        ./usr/share/doc/physics-suite/copyright ./usr/share/doc/physics-suite/changelog.gz \
        ./usr/share/physics_suite/demo/run_demo.sh; do
    grep -qxF "$path" <<<"$contents" || { echo "package lacks $path"; problems=$((problems + 1)); }
done
if grep -E '^\./usr/share/man/.*\.[0-9]$' <<<"$contents"; then
    echo "package has uncompressed manual pages (above)"; problems=$((problems + 1))
fi

if command -v lintian >/dev/null; then
    # Tags below warning level (information, pedantic) are shown but pass.
    lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'running with root privileges'
    [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "lintian reports errors or warnings (above)"; problems=$((problems + 1)); }
else
    echo "lintian is not installed: the package was not checked by it"
fi
[ "$problems" -eq 0 ] && echo "package $(basename "$deb") checked"
[ "$problems" -eq 0 ]
