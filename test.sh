#!/usr/bin/env bash
# Installs what is missing, builds the test tree with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test with ctest.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOMBRIX_SANITIZE=ON -DOMBRIX_TESTS=ON >/dev/null
cmake --build build-test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-test
ctest --output-on-failure -j "$(nproc)"
