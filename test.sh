#!/usr/bin/env bash
# Builds the program and runs every test, then runs them again in a sanitizer build.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
(cd build && ctest --output-on-failure -j2)

# AddressSanitizer and UndefinedBehaviorSanitizer over the same tests.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_SANITIZE=ON -DTARNWICK_BENCH=OFF
cmake --build build-asan -j2
(cd build-asan && ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j2)
