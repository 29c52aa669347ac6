#!/usr/bin/env bash
# Installs what is missing, builds zelk twice (plain, and with AddressSanitizer +
# UndefinedBehaviorSanitizer) and runs every test in both builds, then fuzzes the
# file readers, the figure and the view briefly.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=2

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELK_WARNINGS_AS_ERRORS=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZELK_SANITIZE=ON \
    -DZELK_WARNINGS_AS_ERRORS=ON
cmake --build build-asan -j"$jobs"
# Leaks are reported too; only leaks inside system libraries are suppressed.
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs"

# Fuzzing: the committed seeds and 10 s of fresh inputs per target (skipped without clang).
./scripts/run-fuzz.sh
