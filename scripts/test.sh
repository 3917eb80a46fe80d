#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, then the core and
# platform tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then the fuzz targets (FUZZ_SECONDS each, default 30).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON >/dev/null
cmake --build build-asan --target orvane_core_tests orvane_platform_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -L 'core|platform'

# Every decoder of outside data under libFuzzer, for a bounded time each.
scripts/fuzz.sh
