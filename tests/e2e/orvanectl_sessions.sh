#!/usr/bin/env bash
# orvanectl against the emulator program: read, dump, verified write and
# stored configurations; a byte that never sticks and lost read chunks are
# failures with the program's "Fail" and a non-zero exit.
set -euo pipefail
sim=$1
ctl=$2
. "$(dirname "$0")/emulator_lib.sh"
byte_at() { od -An -tu1 -j "$2" -N1 "$1" | tr -d ' '; }

# A fresh mouse holds default image 1, and its memory file follows every write.
start_sim --memory "$work/mouse.bin"
"$ctl" info >"$work/info.out" || fail "info"
grep -q 'maker id: 255' "$work/info.out" || fail "identifiers of the default image"
"$ctl" read "$work/read.bin" >"$work/read.out" || fail "read"
[ "$(stat -c %s "$work/read.bin")" = 2048 ] || fail "read did not give 2048 bytes"
cmp -s "$work/read.bin" "$work/mouse.bin" || fail "the read differs from the mouse's memory"
"$ctl" dump --json >"$work/dump.out" || fail "dump"
grep -q '"dpi_values": \[800, 1000, 1200, 1600, 2000, 2400, 3200\]' "$work/dump.out" ||
  fail "dump does not show the default DPI values"

# Level 1 to 1600 DPI (index 4), the checksum in byte 47 following (+3).
cp "$work/read.bin" "$work/edited.bin"
printf '\x04' | dd of="$work/edited.bin" bs=1 seek=6 conv=notrunc 2>/dev/null
printf "\\x$(printf %02x $(( ($(byte_at "$work/read.bin" 47) ^ 0x79 ^ 0x7C) )))" |
  dd of="$work/edited.bin" bs=1 seek=47 conv=notrunc 2>/dev/null
"$ctl" write "$work/edited.bin" >"$work/write.out" 2>&1 || fail "write"
grep -q 'verified' "$work/write.out" || fail "write did not report verification"
[ "$(byte_at "$work/mouse.bin" 6)" = 4 ] || fail "the mouse's memory file did not follow the write"

# A restart keeps the mouse's settings.
start_sim --memory "$work/mouse.bin"
"$ctl" dump >"$work/dump2.out" || fail "dump after restart"
grep -q '^dpi_values: \[1600,' "$work/dump2.out" || fail "the setting did not survive a restart"
"$ctl" load 2 >"$work/load.out" 2>&1 || fail "load"
cmp -s "$work/mouse.bin" "$work/read.bin" || fail "load 2 did not write default image 1"

# The button page from the command line: the page's rules, one write.
"$ctl" set 'button.1.4=Right Click' switch.middle-hold=on >"$work/set.out" 2>&1 || fail "set"
[ "$(od -An -tx1 -j 73 -N3 "$work/mouse.bin" | tr -d ' ')" = 010200 ] ||
  fail "button 4 of profile 1 is not Right Click in the mouse"
"$ctl" get button.1.4 switch.middle-hold switch.dpi-hold >"$work/get.out" || fail "get"
printf 'button.1.4=Right Click\nswitch.middle-hold=on\nswitch.dpi-hold=off\n' |
  cmp -s - "$work/get.out" || fail "get does not show what set wrote: $(cat "$work/get.out")"
# The typical change: DPI level 3 to 1600 (index 4 in ParameterA byte 8).
"$ctl" set dpi.3=1600 dpi.2.colour=#12AB34 >"$work/dpi.out" 2>&1 || fail "set dpi.3"
[ "$(od -An -tu1 -j 8 -N1 "$work/mouse.bin" | tr -d ' ')" = 4 ] || fail "level 3 is not 1600 in the mouse"
"$ctl" get dpi.3 dpi.2.colour >"$work/dpi-get.out" || fail "get dpi"
printf 'dpi.3=1600\ndpi.2.colour=#12AB34\n' | cmp -s - "$work/dpi-get.out" ||
  fail "get does not show the DPI change: $(cat "$work/dpi-get.out")"
# Lighting: the strip's mode, count and speed, the light off (LedState 0x32).
"$ctl" set light.type=strip light.mode=5 light.count=6 light.speed=2 light.status=off \
  >"$work/light.out" 2>&1 || fail "set light: $(cat "$work/light.out")"
[ "$(od -An -tu1 -j 50 -N1 "$work/mouse.bin" | tr -d ' ')" = $((5 | 8 | 2 << 5)) ] ||
  fail "the LED state is not mode 5, off, speed 2 in the mouse"
[ $(($(od -An -tu1 -j 3 -N1 "$work/mouse.bin") >> 4)) = 7 ] || fail "the strip is not 6 LEDs"
"$ctl" get light.type light.mode light.count light.speed light.status >"$work/light-get.out"
printf 'light.type=strip\nlight.mode=5\nlight.count=6\nlight.speed=2\nlight.status=off\n' |
  cmp -s - "$work/light-get.out" || fail "get does not show the lighting: $(cat "$work/light-get.out")"
cp "$work/mouse.bin" "$work/before-set.bin"
while IFS='|' read -r refused says; do
  if "$ctl" set button.2.2=Back "$refused" >"$work/refused.out" 2>&1; then fail "set $refused"; fi
  grep -q "$says" "$work/refused.out" || fail "set $refused did not say '$says'"
done <<'CASES'
button.1.1=Right Click|^Please keep a Left Key$
button.1.1=Nothing|no function is called 'Nothing'
aim=3|^Please select a AIM Key in Profile!$
nope=1|no setting is called 'nope'
aim=12|the AIM level is 0..11
dpi.3=1700|a DPI value is one of
dpi.count=8|the level count is 2..7
dpi.9=800|no setting is called 'dpi.9'
dpi.1.colour=red|a colour is #RRGGBB
light.count=14|the strip has 4..13 LEDs
light.type=rainbow|the LED type is strip, two-colour, sync or breathing
light.brightness=on|full or half
CASES
# A setting the type chosen in the same command does not have.
if "$ctl" set light.type=sync light.mode=3 >"$work/refused.out" 2>&1; then fail "sync took a mode"; fi
grep -q 'the LED type sync has no modes' "$work/refused.out" || fail "sync mode: $(cat "$work/refused.out")"
cmp -s "$work/mouse.bin" "$work/before-set.bin" || fail "a refused set wrote to the mouse"

# Fire macros: a block imported, a gun tuned and bound by name, checked in
# the mouse's memory; a damaged block and bad values change nothing.
python3 - "$work/block.bin" <<'PY'
import sys
events = [0xFD, 0x1D, 0xA1, 0xFB, 0x00, 0xFA, 0x06, 0xFE, 0x0C, 0x21, 0xFC]
slot = [1, len(events) + 1] + events
slot.append((sum(slot[1:]) % 256) ^ 0x5A)
open(sys.argv[1], 'wb').write(bytes(slot + [0] * (24 - len(slot))) * 10 + bytes(16))
PY
"$ctl" fire import "$work/block.bin" >"$work/fire.out" 2>&1 || fail "fire import"
"$ctl" set fire.2.count=40 fire.6.2.x=-5 fire.2.colour=#102030 button.1.3=fire:2 \
  >"$work/fire-set.out" 2>&1 || fail "fire set: $(cat "$work/fire-set.out")"
[ "$("$ctl" get fire.2.count fire.6.2.x fire.2.colour button.1.3 | tr '\n' ' ')" = \
  "fire.2.count=40 fire.6.2.x=-5 fire.2.colour=#102030 button.1.3=fire:2 " ] || fail "fire get"
fire_byte() { od -An -tu1 -j "$1" -N1 "$work/mouse.bin" | tr -d ' '; }
[ "$(fire_byte $((0x500 + 24 + 3)))" = 39 ] || fail "fire macro 2's count is not in the mouse"
[ "$(fire_byte $((0x500 + 24 * 6 + 6)))" = 251 ] || fail "fire macro 7's X is not in the mouse"
[ "$(fire_byte $((0x0D0 + 3)))" = 16 ] || fail "fire macro 2's colour is not in the mouse"
cp "$work/mouse.bin" "$work/before-fire.bin"
python3 -c "import sys; b = bytearray(open(sys.argv[1], 'rb').read()); b[24 * 4 + 5] ^= 1; \
open(sys.argv[2], 'wb').write(b)" "$work/block.bin" "$work/damaged.bin"
if "$ctl" fire import "$work/damaged.bin" >"$work/damaged.out" 2>&1; then fail "damaged import"; fi
grep -q 'fire macro 5 of the file is not a sealed fire macro' "$work/damaged.out" ||
  fail "damaged import: $(cat "$work/damaged.out")"
for bad in fire.1.count=0 fire.1.y=-1 fire.8.count=3 fire.6.count=3 button.1.3=fire:8; do
  if "$ctl" set "$bad" >"$work/bad-fire.out" 2>&1; then fail "$bad was taken"; fi
done
cmp -s "$work/mouse.bin" "$work/before-fire.bin" || fail "a refused fire change wrote to the mouse"

# The engineer page's own settings: orientation 2 in ParameterA byte 0 bits
# 4..6, smoothing in byte 1 bit 5; an identifier past one byte is refused.
"$ctl" set engineer.sensor-orientation=2 engineer.smoothing=off >"$work/engineer.out" 2>&1 ||
  fail "engineer settings"
[ "$("$ctl" get engineer.sensor-orientation)" = engineer.sensor-orientation=2 ] ||
  fail "the orientation does not read back"
[ $(( $(od -An -tu1 -j1 -N1 "$work/mouse.bin") & 32 )) = 0 ] || fail "smoothing is still on"
if "$ctl" set engineer.maker-id=300 >"$work/maker.out" 2>&1; then fail "maker id 300 taken"; fi
grep -q 'an identifier is 0..255' "$work/maker.out" || fail "the refusal does not say why"

start_sim --sticky 0xD0=0x00
if "$ctl" write "$work/edited.bin" >"$work/sticky.out" 2>&1; then fail "sticky write succeeded"; fi
grep -qx 'Fail' "$work/sticky.out" || fail "sticky write did not say Fail"

start_sim --lose-read-chunks 50
if "$ctl" read "$work/lossy.bin" >"$work/lossy.out" 2>&1; then fail "lossy read succeeded"; fi
grep -qx 'Fail' "$work/lossy.out" || fail "lossy read did not say Fail"
[ ! -e "$work/lossy.bin" ] || fail "a failed read wrote a file"

start_sim --chip 35
if "$ctl" load 1 >"$work/chip.out" 2>&1; then fail "load into a 0x90 chip claimed success"; fi
grep -q 'not written' "$work/chip.out" || fail "load into a 0x90 chip did not say so"

stop_sim
if "$ctl" read "$work/none.bin" >"$work/none.out" 2>&1; then fail "read without a mouse"; fi
grep -qx 'Finding the specified device' "$work/none.out" || fail "no Str020 without a mouse"
echo PASS
