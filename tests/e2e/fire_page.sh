#!/usr/bin/env bash
# The fire page in the real program (the product variant whose profile-2 key
# menus offer it): fire macros imported with orvanectl, gun 1 tuned from
# Key3's menu and confirmed, the mouse holding the computed bytes, Key3
# bound after Apply; then the hidden editor recording real left clicks with
# their gap into fire macro 2, sent by Confirm. Screenshots are kept in the
# build folder.
set -euo pipefail
sim=$1
ctl=$2
gui_built=$3
shots=$4
. "$(dirname "$0")/emulator_lib.sh"
. "$(dirname "$0")/gui_lib.sh"
gui=$(program_copy "$gui_built" orvane-mouse)
type_at() { at "$1" "$2" click --repeat 3 --delay 60 1; xdotool type --delay 40 -- "$3"; sleep 0.3; }
byte() { od -An -tu1 -j "$1" -N1 "$work/mouse.bin" | tr -d ' '; }
wait_byte() {
  for _ in $(seq 40); do
    [ "$(byte "$1")" = "$2" ] && return
    sleep 0.25
  done
  fail "byte $1 of the mouse is $(byte "$1"), not $2"
}
# The busy window of a session has gone.
wait_idle() {
  sleep 0.3
  for _ in $(seq 50); do
    [ "$(windows)" = 1 ] && return
    sleep 0.2
  done
  fail "the busy window stayed"
}
open_fire_page() {
  click_at 220 86   # profile 2
  click_at 135 283  # Key3
  click_at 190 465  # its Fire Macro row
}

# Every slot: repeat 30 times press, X 0, Y 6, 96 ms, release.
python3 - "$work/block.bin" <<'PY'
import sys
events = [0xFD, 0x1D, 0xA1, 0xFB, 0x00, 0xFA, 0x06, 0xFE, 0x0C, 0x21, 0xFC]
block = b''
for _ in range(10):
    slot = [1, len(events) + 1] + events
    slot.append((sum(slot[1:]) % 256) ^ 0x5A)
    block += bytes(slot + [0] * (24 - len(slot)))
open(sys.argv[1], 'wb').write(block + bytes(16))
PY
start_sim --memory "$work/mouse.bin"
"$ctl" fire import "$work/block.bin" >"$work/import.out" 2>&1 || fail "fire import"
[ "$(byte $((0x503)))" = 29 ] || fail "the import did not reach the mouse"
start_gui
wait_for_read
open_fire_page
click_at 90 154 # gun 1
type_at 90 283 20
type_at 200 283 -2
type_at 310 283 9
type_at 420 283 4
type_at 530 283 120
import -window root "$shots/fire-page.png" || true
click_at 704 564 # Confirm
wait_byte $((0x503)) 19   # count 20
wait_byte $((0x506)) 254  # X -2
wait_byte $((0x508)) 9
wait_byte $((0x50A)) 15   # 120 ms
wait_byte $((0x0B0)) 4    # the offset and its complement
wait_byte $((0x0B1)) 251
wait_idle
click_at 704 564 # Apply, on the key page
wait_byte $((0x040 + 27 + 6)) 12
wait_byte $((0x040 + 27 + 7)) 1
wait_idle

# The hidden editor: fire macro 2 recorded from two real left clicks 0.4 s
# apart, away from the window.
open_fire_page
at 310 50 click --repeat 2 --delay 80 1
sleep 0.5
click_at 90 403 # Fire Macro2
click_at 510 388 # Record
xdotool mousemove 80 760 click 1 sleep 0.4 click 1
sleep 0.5
import -window root "$shots/fire-recording.png" || true
click_at 510 388 # Stop
import -window root "$shots/fire-recorded.png" || true
click_at 704 564 # Confirm
wait_byte $((0x518 + 2)) 161  # a left press first
python3 - "$work/mouse.bin" <<'PY' || fail "fire macro 2 is not the recorded clicks"
import sys
slot = open(sys.argv[1], 'rb').read()[0x518:0x518 + 24]
length = slot[1]
events = list(slot[2:length + 1])
assert slot[length + 1] == (sum(slot[1:length + 1]) % 256) ^ 0x5A, "not sealed"
assert events.count(0xA1) == 2 and events.count(0x21) == 2, events
# The delays between the first release and the second press.
first_release, second_press = events.index(0x21), len(events) - 1 - events[::-1].index(0xA1)
gap = sum(events[i + 1] for i in range(first_release, second_press) if events[i] == 0xFE) * 8
assert 380 <= gap <= 600, "a gap of %d ms in %s" % (gap, events)
PY
echo PASS
