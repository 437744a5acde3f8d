#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build the suite, run its tests
# (valgrind, man-db and lintian for the memcheck, manual-page and package
# tests), render the demo's figures (gnuplot-nox) and its manual pages (groff's
# html device). Says what it installs before it does, with sudo unless run as
# root, and does nothing when everything is there.
# Usage: scripts/install-deps.sh
set -euo pipefail

need=()
command -v cmake >/dev/null || need+=(cmake)
command -v ninja >/dev/null || need+=(ninja-build)
command -v g++ >/dev/null || need+=(g++)
[ -e /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
command -v valgrind >/dev/null || need+=(valgrind)
command -v man >/dev/null || need+=(man-db)
command -v lintian >/dev/null || need+=(lintian)
command -v gnuplot >/dev/null || need+=(gnuplot-nox)
groff -Thtml </dev/null >/dev/null 2>&1 || need+=(groff)

[ ${#need[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null; then
    echo "install-deps.sh: not a Debian system; install these (Debian names) yourself: ${need[*]}" >&2
    exit 1
fi
as_root=()
if [ "$(id -u)" != 0 ]; then
    command -v sudo >/dev/null || {
        echo "install-deps.sh: run it as root (no sudo here) to install: ${need[*]}" >&2
        exit 1
    }
    as_root=(sudo)
fi
echo "install-deps.sh: installing ${need[*]} with apt-get"
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${need[@]}"
