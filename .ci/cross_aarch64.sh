#!/usr/bin/env bash
# The suite cross-compiled for 64-bit ARM Linux (aarch64) with Debian's cross
# toolchain, warnings as errors, and its quick tests run under qemu-user.
# GoogleTest is built for the target from the sources Debian ships.
# Usage: .ci/cross_aarch64.sh [BUILD_DIR]   (default build/aarch64)
# Installs what it needs with apt-get when missing (as root).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build/aarch64}")
toolchain=$PWD/.ci/aarch64-toolchain.cmake

need=()
command -v aarch64-linux-gnu-g++ >/dev/null || need+=(g++-aarch64-linux-gnu)
command -v qemu-aarch64-static >/dev/null || need+=(qemu-user-static)
[ -e /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
if [ ${#need[@]} -gt 0 ]; then
    apt-get update
    apt-get install -y --no-install-recommends "${need[@]}"
fi

echo "=== aarch64: GoogleTest from /usr/src/googletest"
gtest=$build/googletest
cmake -S /usr/src/googletest -B "$build/googletest-build" -G Ninja --log-level=WARNING \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest"
cmake --build "$build/googletest-build" --target install | sed '/^-- \(Installing\|Up-to-date\)/d'

echo "=== aarch64: the suite (warnings are errors)"
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DSUITE_WERROR=ON -DGTest_DIR="$gtest/lib/cmake/GTest"
cmake --build "$build"

echo "=== aarch64: quick tests under qemu-user"
ctest --test-dir "$build" --label-exclude slow --output-on-failure --no-tests=error \
    --timeout 300 -j 2
