#!/usr/bin/env bash
# The driver-mode product end to end: the emulator publishes the vendor
# driver's device with its store in a file; the window reads the store, a
# library macro is bound to Key3 through the driver's table and DPI level 3
# set to 1600, Apply hands both to the driver; orvanectl reads them back and
# carries a profile with block 25 in use through a save and a load.
# Screenshots are kept in the build folder.
set -euo pipefail
sim=$1
ctl=$2
gui_built=$3
shots=$4
. "$(dirname "$0")/emulator_lib.sh"
. "$(dirname "$0")/gui_lib.sh"
gui=$(program_copy "$gui_built" orvane-mouse)
store=$work/store.bin
bytes_at() { od -An -tx1 -j "$1" -N"$2" "$store" | tr -d ' \n'; }
wait_store() {
  for _ in $(seq 40); do
    [ "$(bytes_at "$1" "$2")" = "$3" ] && return
    sleep 0.25
  done
  fail "store bytes at $1 are $(bytes_at "$1" "$2"), not $3"
}
wait_idle() {
  sleep 0.3
  for _ in $(seq 50); do
    [ "$(windows)" = 1 ] && return
    sleep 0.2
  done
  fail "the busy window stayed"
}

start_sim --memory "$work/mouse.bin" --driver-store "$store"
"$ctl" info >"$work/info.out" 2>&1 || fail "info"
grep -q '^mode: driver$' "$work/info.out" || fail "orvanectl is not in driver mode"
grep -q '^accepted: yes$' "$work/info.out" || fail "the mouse was not accepted"
[ "$(stat -c %s "$store")" = 102400 ] || fail "the store file is not a whole store"

start_gui
# The first poll comes at 2.5 s, then the 2.1 s settle wait; the driver's
# store is read in a moment, too quickly to catch its busy window.
sleep 7
import -window root "$shots/driver-read.png" || true
# A library macro, made on the macro page.
click_at 610 86   # Macro
click_at 110 511  # New Macro
xdotool type --delay 40 Spray
click_at 341 353  # OK
[ -s "$work/Driver_Macro.bin" ] || fail "the driver library was not saved"
# Key3's menu, its Macro row, the macro.
click_at 90 86    # Profile1
click_at 135 283  # Key3
at 190 441
sleep 0.6
import -window root "$shots/driver-macro-menu.png" || true
click_at 410 438  # Spray
# DPI level 3's slider released on the stop of 1600.
click_at 350 86   # Advanced
click_at $((512 + 85)) $((273 + 10))
import -window root "$shots/driver-dpi-1600.png" || true
[ "$(bytes_at 70 3)" != 060120 ] || fail "the macro reached the driver before Apply"
xdotool mousemove 895 664 click 1
wait_store 70 3 060120          # Key3 plays block 0
wait_store 8 1 04               # level 3 at 1600
wait_store 256 10 00530070007200610079  # block 0 is "Spray"
wait_idle
click_at 90 86
import -window root "$shots/driver-applied.png" || true
kill "$gui_pid"
wait "$gui_pid" 2>/dev/null || true
gui_pid=
[ "$("$ctl" get button.1.3)" = button.1.3=macro:Spray ] || fail "the driver does not read back the macro"
[ "$("$ctl" get dpi.3)" = dpi.3=1600 ] || fail "the driver does not read back 1600 at level 3"

# Blocks 0 to 25 in the store, Key6 of profile 2 playing block 25.
stop_sim
python3 - "$store" <<'PY'
import sys
path = sys.argv[1]
store = bytearray(open(path, 'rb').read())
for k in range(26):
    name = ('M%d' % k).encode('utf-16-be')
    block = bytearray(2048)
    block[:len(name)] = name
    block[34] = k + 1
    store[256 + 2048 * k:256 + 2048 * (k + 1)] = block
keys = 64
store[keys + 27 + 15:keys + 27 + 18] = bytes([0x06, 0xC9, 0x20])
store[keys + 54] = (sum(store[keys:keys + 54]) % 256) ^ 0x5A
open(path, 'wb').write(store)
PY
start_sim --memory "$work/mouse.bin" --driver-store "$store"
[ "$("$ctl" get button.2.6)" = button.2.6=macro:M25 ] || fail "block 25 is not named"
"$ctl" read "$work/profile.bin" >"$work/read.out" 2>&1 || fail "saving the profile"
[ "$(stat -c %s "$work/profile.bin")" = 65792 ] || fail "the profile is not 65792 bytes"
# The blocks are wiped from the store; loading the profile brings them back.
stop_sim
python3 - "$store" <<'PY'
import sys
path = sys.argv[1]
store = bytearray(open(path, 'rb').read())
store[256:] = bytes(len(store) - 256)
open(path, 'wb').write(store)
PY
start_sim --memory "$work/mouse.bin" --driver-store "$store"
"$ctl" write "$work/profile.bin" >"$work/write.out" 2>&1 || fail "loading the profile"
wait_store $((256 + 25 * 2048)) 4 004d0032  # "M2..." of block 25
[ "$(od -An -tu1 -j $((256 + 25 * 2048 + 34)) -N1 "$store" | tr -d ' ')" = 26 ] ||
  fail "block 25 lost its contents"
[ "$("$ctl" get button.2.6)" = button.2.6=macro:M25 ] || fail "Key6 does not play block 25 after the load"
# A file that is not a whole store is refused, and nothing reaches the driver.
head -c 2048 "$work/profile.bin" >"$work/short.bin"
before=$(md5sum <"$store")
if "$ctl" write "$work/short.bin" >"$work/short.out" 2>&1; then fail "a short file was loaded"; fi
grep -q "holds 2048 bytes" "$work/short.out" || fail "the refusal does not say why"
[ "$(md5sum <"$store")" = "$before" ] || fail "a refused file changed the store"
# The emulator keeps only a whole store: any other file is refused at start.
stop_sim
head -c 100 /dev/zero >"$work/bad-store.bin"
if "$sim" --driver-store "$work/bad-store.bin" >"$work/bad-store.out" 2>&1; then
  fail "the emulator took a 100-byte store"
fi
grep -q "holds 100 bytes" "$work/bad-store.out" || fail "the emulator does not say why"
echo PASS
