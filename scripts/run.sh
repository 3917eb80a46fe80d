#!/usr/bin/env bash
# Builds and runs the program. With no Orvane Gaming Mouse attached, the
# emulated mouse (orvane-mouse-sim) is plugged in for the run and unplugged
# at its end. Arguments go to the device watch (for example --ticks 4);
# without them it runs until Ctrl-C.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build >/dev/null

if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "$XDG_RUNTIME_DIR" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi

sim_pid=
stop_sim() { [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" || true; }
trap stop_sim EXIT
if ls /sys/bus/hid/devices 2>/dev/null | grep -qi ':2E71:0D45\.'; then
  echo "an Orvane Gaming Mouse is attached: using it"
else
  echo "no Orvane Gaming Mouse attached: plugging in the emulated one"
  build/sim/orvane-mouse-sim &
  sim_pid=$!
  sleep 0.3
fi

build/src/orvanectl list || true
build/src/orvanectl watch "$@"
