#!/usr/bin/env bash
# The emulator program publishes the mouse; orvanectl, a separate process,
# finds it, opens it, identifies it, and sees it go when the emulator stops.
set -euo pipefail
sim=$1
ctl=$2
. "$(dirname "$0")/emulator_lib.sh"

"$sim" --help | grep -q -- '--lose-read-chunks' || fail "--help does not list the options"
if "$sim" --chip zz 2>"$work/bad.out"; then fail "a bad option was accepted"; fi
grep -q "bad value 'zz' for --chip" "$work/bad.out" || fail "no reason given for a bad option"

start_sim

"$ctl" list >"$work/list.out" || fail "orvanectl list found no mouse"
grep -q 'col02-config.hid  2E71:0D45 version 0104 feature report 8 bytes  <- Orvane Gaming Mouse' \
  "$work/list.out" || fail "the configuration collection is not listed as the mouse"
grep -q '1 mouse interface found' "$work/list.out" || fail "wrong mouse count"

"$ctl" watch --ticks 3 >"$work/watch.out" &
watch_pid=$!
for _ in $(seq 150); do
  grep -q 'read:' "$work/watch.out" && break
  sleep 0.1
done
grep -q 'memory ready, ChipType 98, maker id 255, product id 255' "$work/watch.out" ||
  fail "the mouse was not opened and identified"
grep -q 'read: 2048 bytes' "$work/watch.out" || fail "the mouse was not read when it came"
kill -TERM "$sim_pid"
wait "$sim_pid" || fail "the emulator did not stop cleanly"
sim_pid=
grep -q 'mouse unplugged' "$work/sim.out" || fail "the emulator did not report the unplug"
[ -z "$(ls -A "$XDG_RUNTIME_DIR/orvane-mouse")" ] || fail "sockets left behind"
wait "$watch_pid" || fail "orvanectl watch failed"
grep -q 'poll: mouse removed (HID interfaces: 0)' "$work/watch.out" || fail "removal not seen"
grep -q 'no mouse: Please Connect the USB Device' "$work/watch.out" || fail "no removal message"
echo "PASS"
cat "$work/watch.out"
