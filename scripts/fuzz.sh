#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) and runs each for a
# bounded time: FUZZ_SECONDS (default 30). A crash fails the run and leaves
# its input in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANE_FUZZ=ON >/dev/null
targets=(macro_body driver_block fire_slot library_file gun_key_list event_lines macro_import
  base_macro_file fire_block driver_request)
cmake --build build-fuzz --target "${targets[@]/#/fuzz_}"
mkdir -p build-fuzz/findings
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  log=build-fuzz/$target.log
  if ! "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix=build-fuzz/findings/"$target"- "$corpus" >"$log" 2>&1; then
    echo "fuzz_$target: FAILED"; tail -40 "$log"; exit 1
  fi
  runs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
  echo "fuzz_$target: ${runs:-?} executions in ${seconds}s, no findings"
done
