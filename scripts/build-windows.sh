#!/usr/bin/env bash
# Cross-builds the Windows programs below the window (orvanectl.exe) and
# their tests into build-windows/ (or $1) with mingw-w64. The resource
# generators run here, so a native build folder supplies them: $ORVANE_HOST_TOOLS,
# else build-tools/ is built for them. `ctest --test-dir build-windows` then
# runs the tests under wine64.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-windows}
host=${ORVANE_HOST_TOOLS:-$PWD/build-tools}
if [ -z "${ORVANE_HOST_TOOLS:-}" ]; then
  cmake -S . -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$host" --target make_default_images make_factory_macros embed_resources \
    make_language_table make_skin
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DORVANE_WINDOW=OFF -DORVANE_HOST_TOOLS="$host" >/dev/null
cmake --build "$dir"
