#!/usr/bin/env bash
# Builds and runs the program. With no Orvane Gaming Mouse attached, the
# emulated mouse (orvane-mouse-sim) is plugged in for the run and unplugged
# when the program ends. Without a display (a server, a container) the window
# opens on a virtual X display and a screenshot is saved every few seconds to
# build/orvane-mouse.png.
#
# `scripts/run.sh --driver` runs the driver-mode product instead; the
# emulated mouse then also publishes the vendor driver's device, its store
# kept in build/driver-store.bin.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir=build
program=orvane-mouse
sim_options=()
if [ "${1:-}" = --driver ]; then
  program=orvane-mouse-driver
  sim_options=(--driver-store "$PWD/build/driver-store.bin")
fi
scripts/build.sh build >/dev/null

if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "$XDG_RUNTIME_DIR" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi

pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; wait 2>/dev/null || true; }
trap cleanup EXIT

if ls /sys/bus/hid/devices 2>/dev/null | grep -qi ':2E71:0D45\.'; then
  echo "an Orvane Gaming Mouse is attached: using it"
else
  echo "no Orvane Gaming Mouse attached: plugging in the emulated one"
  "$dir/sim/orvane-mouse-sim" "${sim_options[@]}" &
  pids+=($!)
  sleep 0.3
fi

if [ -z "${DISPLAY:-}" ]; then
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -1 "$display_file")
  echo "no display: running on a virtual one; screenshots go to $dir/orvane-mouse.png (Ctrl-C ends)"
  ( while sleep 4; do import -window root "$dir/orvane-mouse.png" 2>/dev/null || true; done ) &
  pids+=($!)
fi
"$dir/src/ui/$program"
