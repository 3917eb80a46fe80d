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

# One target's run; its report goes to build-fuzz/TARGET.log.
fuzz_one() {
  local target=$1 corpus=build-fuzz/corpus/$1
  mkdir -p "$corpus"
  "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/findings/"$target"- "$corpus" >"build-fuzz/$target.log" 2>&1
}

# As many targets at a time as there are cores; each still gets its full time.
jobs=$(nproc)
failed=0
for ((i = 0; i < ${#targets[@]}; i += jobs)); do
  batch=("${targets[@]:i:jobs}")
  pids=()
  for target in "${batch[@]}"; do
    fuzz_one "$target" &
    pids+=($!)
  done
  for k in "${!batch[@]}"; do
    target=${batch[$k]}
    log=build-fuzz/$target.log
    if ! wait "${pids[$k]}"; then
      echo "fuzz_$target: FAILED"; tail -40 "$log"; failed=1; continue
    fi
    runs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
    echo "fuzz_$target: ${runs:-?} executions in ${seconds}s, no findings"
  done
  [ "$failed" -eq 0 ] || exit 1
done
