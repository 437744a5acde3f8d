#!/usr/bin/env bash
# Builds the Debian package of a build tree in a scratch folder and checks it:
# the dispatcher is the only program in /usr/bin and the programs are in their
# own folder, where the unpacked dispatcher finds and runs them; the
# programs' manual pages are in section 1phys, compressed, and the copyright
# file and the changelog are where Debian wants them; lintian, where
# installed, reports no error and no warning.
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
programs=./usr/libexec/physics-suite
for path in ./usr/bin/physics-suite $programs/crab_spectrum $programs/display $programs/make_sample_data \
        ./usr/share/man/man1/physics-suite.1.gz ./usr/share/man/man1/crab_spectrum.1phys.gz \
        ./usr/share/man/man1/display.1phys.gz ./usr/share/man/man7/physics_suite.7.gz \
        ./usr/share/doc/physics-suite/copyright ./usr/share/doc/physics-suite/changelog.gz \
        ./usr/share/physics_suite/demo/run_demo.sh; do
    grep -qxF "$path" <<<"$contents" || { echo "package lacks $path"; problems=$((problems + 1)); }
done
# Nothing but the dispatcher on the PATH, no page in another package's place.
if grep -E '^\./usr/(s?bin|games)/.' <<<"$contents" | grep -vxF ./usr/bin/physics-suite; then
    echo "package puts more than physics-suite on the PATH (above)"; problems=$((problems + 1))
fi
if grep -E '^\./usr/share/man/man1/.+\.1\.gz$' <<<"$contents" |
        grep -vxF ./usr/share/man/man1/physics-suite.1.gz; then
    echo "package has program pages outside section 1phys (above)"; problems=$((problems + 1))
fi
if grep -E '^\./usr/share/man/.*\.[0-9][a-z]*$' <<<"$contents"; then
    echo "package has uncompressed manual pages (above)"; problems=$((problems + 1))
fi

# Unpacked anywhere, the dispatcher finds the programs in their folder of the
# tree and passes the run on: the folder it names, a program's own answer.
dpkg-deb -x "$deb" "$work/root"
suite=$work/root/usr/bin/physics-suite
if [ "$("$suite" --path)" != "$(realpath "$work/root/usr/libexec/physics-suite")" ]; then
    echo "physics-suite --path names $("$suite" --path), not the package's program folder"; problems=$((problems + 1))
fi
# Another package's program beside it in /usr/bin (ImageMagick's display) is
# never run in the suite's program's stead.
printf '#!/bin/sh\necho "another package'"'"'s display"\n' >"$work/root/usr/bin/display"
chmod +x "$work/root/usr/bin/display"
version=$(dpkg-deb -f "$deb" Version)
for program in crab_spectrum display; do
    if [ "$("$suite" "$program" --version)" != "$program (physics suite) $version" ]; then
        echo "physics-suite $program --version does not run the packaged $program"; problems=$((problems + 1))
    fi
done
if ! zcat "$work/root/usr/share/man/man1/display.1phys.gz" | head -1 | grep -q '^\.TH DISPLAY 1phys '; then
    echo "display.1phys is not a page of section 1phys"; problems=$((problems + 1))
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
