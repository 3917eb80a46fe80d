# Shared by the end-to-end scripts: a private runtime folder, the emulator
# program started and stopped in it, and failure reports with every output.
# The sourcing script sets $sim and $ctl first.
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
sim_pid=
config_socket=$XDG_RUNTIME_DIR/orvane-mouse/orvane-mouse-col02-config.hid

stop_sim() {
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null; wait "$sim_pid" || true; fi
  sim_pid=
}
trap 'stop_sim; rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*"
  for f in "$work"/*.out; do echo "--- $f"; cat "$f"; done
  exit 1
}

# Starts the emulator with the given options and waits until it is plugged in.
start_sim() {
  stop_sim
  "$sim" "$@" >"$work/sim.out" 2>&1 &
  sim_pid=$!
  for _ in $(seq 50); do
    [ -S "$config_socket" ] && return
    sleep 0.1
  done
  fail "the emulator did not plug in"
}
