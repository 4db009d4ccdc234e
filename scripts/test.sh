#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite:
#  1. the normal build and every CTest test (unit, offscreen, Xvfb end-to-end, packaging);
#  2. game/ and storage/ with AddressSanitizer + UndefinedBehaviorSanitizer, and their tests;
#  3. the libFuzzer targets of storage/, each for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --test
scripts/build.sh
jobs=$(nproc)

echo "== Tests"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Sanitizer build (game, storage)"
[ -f build-asan/CMakeCache.txt ] || cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug \
  -DTRELMO_CORE_ONLY=ON -DTRELMO_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== Fuzzing (storage readers)"
[ -f build-fuzz/CMakeCache.txt ] || CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=Debug \
  -DTRELMO_CORE_ONLY=ON -DTRELMO_FUZZ=ON -DBUILD_TESTING=ON >/dev/null
cmake --build build-fuzz -j"$jobs"
ctest --test-dir build-fuzz --output-on-failure -L fuzz
