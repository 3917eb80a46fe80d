#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, the Windows build
# under wine64, then the core and platform tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz targets
# (FUZZ_SECONDS each, default 30).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure

# The Windows build below the window, cross-built with mingw-w64 (with the
# resource generators just built), and its tests under wine64.
ORVANE_HOST_TOOLS=$PWD/build scripts/build-windows.sh build-windows
ctest --test-dir build-windows --output-on-failure

# The sanitizer build: the core and platform tests, and orvanectl with the
# emulator end to end. Reports go to files, so a finding in a program whose
# failure a test expects still fails the run.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON >/dev/null
cmake --build build-asan --target orvane_core_tests orvane_platform_tests orvanectl orvane-mouse-sim
rm -rf build-asan/sanitizer-reports && mkdir -p build-asan/sanitizer-reports
reports=$PWD/build-asan/sanitizer-reports
ASAN_OPTIONS=detect_leaks=1:log_path=$reports/asan UBSAN_OPTIONS=print_stacktrace=1:log_path=$reports/ubsan \
  ctest --test-dir build-asan --output-on-failure -L 'core|platform|e2e'
if [ -n "$(ls -A "$reports")" ]; then
  echo "sanitizer reports:"; cat "$reports"/*; exit 1
fi

# Every decoder of outside data under libFuzzer, for a bounded time each.
scripts/fuzz.sh
