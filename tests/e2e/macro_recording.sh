#!/usr/bin/env bash
# A macro recorded in the real program from the desktop's input: a new entry
# named in the name dialog, Record, "a" held 300 ms, "b" typed and a right
# click, Stop; "Macro.bin" holds those events with their gaps, and the macro
# given to Key5 from the key menu is in the mouse's slot after Apply.
# Screenshots while recording and after are kept in the build folder.
set -euo pipefail
sim=$1
ctl_built=$2
gui_built=$3
shots=$4
. "$(dirname "$0")/emulator_lib.sh"
. "$(dirname "$0")/gui_lib.sh"
# The program keeps its library beside itself: copies of its own here.
gui=$(program_copy "$gui_built" orvane-mouse)
ctl=$(program_copy "$ctl_built" orvanectl)

start_sim --memory "$work/mouse.bin"
start_gui
wait_for_read
click_at 610 86  # the macro page
click_at 110 511 # New Macro
for _ in $(seq 25); do
  [ "$(windows)" -ge 2 ] && break
  sleep 0.2
done
[ "$(windows)" -ge 2 ] || fail "no name dialog"
sleep 0.3
xdotool type --delay 40 Combo
click_at 341 353 # OK
[ "$("$ctl" macro list)" = Combo ] || fail "the new entry is not in the library"
click_at 680 165 # Record
# One xdotool run keeps the gaps as given (with no delay of its own after a
# key: by default it waits 12 ms).
xdotool keydown --delay 0 a sleep 0.3 keyup --delay 0 a sleep 0.2 key b sleep 0.2 mousemove 620 500 \
  click 3
sleep 0.5
import -window root "$shots/macro-recording.png" || true
click_at 680 165 # Stop
import -window root "$shots/macro-recorded.png" || true
"$ctl" macro show Combo >"$work/lines.out" || fail "show"
lines=$(cat "$work/lines.out")
[ "$(sed -n 1p <<<"$lines")" = 10 ] || fail "not recorded with its delays: $lines"
[ "$(sed -n 2p <<<"$lines")" = '1 A CODE:8204' ] || fail "no press of A first: $lines"
held=$(sed -n 3p <<<"$lines" | awk '{print $2}')
[ "$held" -ge 292 ] && [ "$held" -le 308 ] || fail "A was held 300 ms, the macro says $held"
[ "$(sed -n 4p <<<"$lines")" = '2 A CODE:0204' ] || fail "A's release: $lines"
grep -qx '1 B CODE:8205' <<<"$lines" || fail "no B: $lines"
grep -qx '2 RightKey CODE:0022' <<<"$lines" || fail "no right click: $lines"
[ "$(tail -1 <<<"$lines")" = '2 RightKey CODE:0022' ] || fail "the Stop click was recorded: $lines"

# Key5 (at 135, 408) from the key menu's macro row, then Apply.
click_at 90 86  # profile 1
click_at 135 408
at 200 565
sleep 0.6
click_at 410 558 # "Combo" in the macro list
xdotool mousemove 895 664 click 1
for _ in $(seq 40); do
  [ "$(od -An -tx1 -j 76 -N1 "$work/mouse.bin" | tr -d ' ')" = 06 ] && break
  sleep 0.25
done
[ "$(od -An -tx1 -j 76 -N1 "$work/mouse.bin" | tr -d ' ')" = 06 ] || fail "Key5 does not play a macro"
# The slot's name and body are the library entry's.
"$ctl" macro export Combo "$work/combo.bin" || fail "export"
cmp -s "$work/combo.bin" <(tail -c +257 "$work/mouse.bin" | head -c 256) ||
  fail "slot 1 of the mouse does not hold the recorded macro"
echo PASS
