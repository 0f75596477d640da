#!/usr/bin/env bash
# Installs what is missing, builds the test build (warnings as errors, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-O1 -g" \
  -DTARLIX_WERROR=ON -DTARLIX_SANITIZE=ON -DTARLIX_TESTS=ON >/dev/null
cmake --build build/test --target tarlix_tests
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build/test --output-on-failure -j2 "$@"
