#!/usr/bin/env bash
# The built program on a virtual X display with the emulator program: it finds
# and reads the mouse and paints its main page, three more and the engineer
# page (screenshots are kept in the build folder), opens every key sub-menu,
# gives a button a new function that reaches the mouse with Apply, refuses to
# give away the last Left Click, sets DPI level 3 to 1600 on its slider, a
# second start raises the first window and exits, and an Apply whose byte
# never sticks shows "Fail".
set -euo pipefail
sim=$1
ctl=$2
gui=$3
shots=$4
. "$(dirname "$0")/emulator_lib.sh"
. "$(dirname "$0")/gui_lib.sh"

# The skinned message box, the size of its "Msg" picture.
message_shown() {
  for w in $(xdotool search --onlyvisible --pid "$gui_pid" 2>/dev/null); do
    size=$(xdotool getwindowgeometry "$w" | awk '/Geometry/ {print $2}')
    [ "$size" = 360x180 ] && return 0
  done
  return 1
}

start_sim --memory "$work/mouse.bin"
start_gui
wait_for_read
"$ctl" list >/dev/null || fail "the mouse is gone"
import -window root "$shots/main-page.png" || fail "no screenshot"
# The window's origin is (190, 100); the page buttons sit on row y = 70.
for page in advanced:350 lighting:480 macro:610; do
  xdotool mousemove $((190 + ${page#*:})) 186 click 1
  sleep 0.5
  import -window root "$shots/${page%:*}-page.png" || fail "no screenshot of ${page%:*}"
done
# The engineer page by its keys: the window grows to 1000 x 600.
xdotool mousemove 640 140 click 1
xdotool key ctrl+shift+e
for _ in $(seq 20); do
  xdotool search --onlyvisible --pid "$gui_pid" 2>/dev/null |
    while read -r w; do xdotool getwindowgeometry "$w"; done | grep -q 1000x600 && break
  sleep 0.2
done
import -window root "$shots/engineer-page.png" || fail "no screenshot of the engineer page"
xdotool key ctrl+shift+e

# The button page as a new user works it, from the main page: Key4's label
# (at 60,326 in the window) opens the key menu beside it; each group row
# opens its sub-menu to the right; Standard, Right Click, Apply.
sleep 0.3
click_at() { xdotool mousemove $((190 + $1)) $((100 + $2)) click 1; sleep 0.4; }
hover_at() { xdotool mousemove $((190 + $1)) $((100 + $2)); sleep 0.4; }
click_at 135 346
for row in standard:0 special:1 media:2 web:3 application:4 macro:6; do
  hover_at 200 $((359 + 24 * ${row#*:}))
  import -window root "$shots/menu-${row%:*}.png" || fail "no screenshot of the ${row%:*} menu"
done
hover_at 200 383                 # Special Keys
hover_at 440 384                 # its DPI row opens the DPI menu beside it
import -window root "$shots/menu-dpi.png" || true
hover_at 200 359                 # Standard Mouse Keys
click_at 420 384                 # Right Click
"$ctl" list >/dev/null || fail "the mouse is gone"
byte_at() { od -An -tx1 -j "$2" -N3 "$1" | tr -d ' '; }
# Apply's write reaches the mouse: the three bytes at an offset become what
# is expected; then the read-back runs until the busy window is gone.
apply_reaches() {
  for _ in $(seq 40); do
    [ "$(byte_at "$work/mouse.bin" "$1")" = "$2" ] && break
    sleep 0.25
  done
  [ "$(byte_at "$work/mouse.bin" "$1")" = "$2" ] || return 1
  for _ in $(seq 60); do
    [ "$(windows)" = 1 ] && return 0
    sleep 0.2
  done
}
[ "$(byte_at "$work/mouse.bin" 73)" = 010800 ] || fail "a pick reached the mouse before Apply"
xdotool mousemove 895 664 click 1
apply_reaches 73 010200 || fail "Right Click did not reach button 4 of the mouse"
import -window root "$shots/button-picked.png" || true
# The only Left Click cannot go: Key1 (at 60,140), Standard, Right Click.
click_at 135 160
hover_at 200 173
click_at 420 198
for _ in $(seq 20); do
  message_shown && break
  sleep 0.25
done
import -window root "$shots/left-click-refused.png" || true
message_shown || fail "no message when the last Left Click was replaced"
xdotool key Return
sleep 0.3
[ "$(byte_at "$work/mouse.bin" 64)" = 010100 ] || fail "button 1 lost its Left Click"

# The typical change: the advanced page, DPI level 3's slider (at 512,273 in
# the window) released 85 pixels in, on the stop of 1600; Apply. ParameterA
# byte 8 then holds index 4 in the mouse, and a read of it passes its check.
xdotool mousemove $((190 + 350)) 186 click 1
sleep 0.5
click_at $((512 + 85)) $((273 + 10))
import -window root "$shots/dpi-1600.png" || true
levels=$(byte_at "$work/mouse.bin" 6)  # levels 1..3
[ "${levels:4:2}" != 04 ] || fail "1600 was there before"
xdotool mousemove 895 664 click 1
apply_reaches 6 "${levels:0:4}04" || fail "1600 did not reach level 3"
[ "$("$ctl" get dpi.3)" = dpi.3=1600 ] || fail "the mouse does not read back 1600 at level 3"

timeout 10 "$gui" || fail "a second start did not exit"
[ "$(xdotool search --name '^Orvane Gaming Mouse v1.0$' | wc -l)" = 1 ] || fail "two windows"
kill "$gui_pid"
wait "$gui_pid" 2>/dev/null || true
gui_pid=

# A sticky byte reads back its value, so the window shows it and writes it
# back unchanged; the ParameterA checksum is different: the checks repair the
# section and Apply writes 0x79 where the mouse keeps 0x00.
start_sim --sticky 0x2F=0x00
start_gui
wait_for_read
# Apply sits at (650, 548) in the 900 x 600 window centred on 1280 x 800.
# A write, a read-back and three repair passes take about 11 s; then the
# skinned message box, the size of its "Msg" picture.
xdotool mousemove 895 664 click 1
for _ in $(seq 60); do
  message_shown && break
  sleep 0.5
done
import -window root "$shots/apply-fail.png" || true
message_shown || fail "no message after a write that did not stick"
echo PASS
