#!/usr/bin/env bash
# The reliability checks of CI: (a) the whole test suite once more in the
# debug build with AddressSanitizer and UndefinedBehaviorSanitizer, halting on
# the first report; (b) every fuzz target of the input readers under clang's
# libFuzzer for a fixed time (FUZZ_SECONDS, default 20 s a target).
# Run from anywhere; installs clang and its fuzzer runtime when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}

echo "=== sanitizer build: ctest --preset debug"
cmake --preset debug
cmake --build --preset debug
ctest --preset debug

echo "=== fuzz targets, ${seconds} s each"
# libFuzzer comes with clang's runtime package; a one-line program tells.
fuzzer_links() {
    local probe
    probe=$(mktemp -d)
    printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' \
        >"$probe/probe.cpp"
    clang++ -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1
    local status=$?
    rm -rf "$probe"
    return $status
}
if ! command -v clang++ >/dev/null || ! fuzzer_links; then
    apt-get update
    apt-get install -y --no-install-recommends clang libclang-rt-14-dev
fi

cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DSUITE_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/fuzz --target fuzzers
# The seeds and past findings first, then new inputs.
ctest --test-dir build/fuzz -R '^fuzz_replay_' --output-on-failure --no-tests=error
fuzz/run_fuzzers.sh build/fuzz "$seconds"
