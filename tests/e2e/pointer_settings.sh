#!/usr/bin/env bash
# The pointer settings on an X display: orvanectl and the advanced page put
# the speed and precision in force (the X server's pointer control reports
# them), and keep every setting in the user's settings file, the wheel too,
# which this desktop cannot apply; the page says so. Screenshots are kept in
# the build folder.
set -euo pipefail
sim=$1
ctl=$2
gui_built=$3
shots=$4
. "$(dirname "$0")/emulator_lib.sh"
. "$(dirname "$0")/gui_lib.sh"
gui=$(program_copy "$gui_built" orvane-mouse)
export XDG_CONFIG_HOME=$work/config
settings=$XDG_CONFIG_HOME/orvane-mouse/pointer-settings.ini
pointer_control() { xset q | grep -A1 'Pointer Control' | tail -1 | tr -s ' '; }

start_sim --memory "$work/mouse.bin"
# The window first: an X server with no client left resets its pointer
# control, as a desktop's never does.
start_gui
wait_for_read
before=$(pointer_control)
"$ctl" get pointer.speed >"$work/get.out" 2>&1 || fail "get"
[ "$(pointer_control)" = "$before" ] || fail "reading the settings changed the pointer"
# Level 6 is sensitivity 10: unscaled, doubled past the threshold with precision.
"$ctl" set pointer.speed=6 pointer.precision=on >"$work/set.out" 2>&1 || fail "set"
[ "$(pointer_control)" = " acceleration: 20/10 threshold: 6" ] ||
  fail "the X server reports$(pointer_control)"
"$ctl" set pointer.precision=off pointer.wheel=screen >>"$work/set.out" 2>&1 || fail "set again"
[ "$(pointer_control)" = " acceleration: 10/10 threshold: 0" ] ||
  fail "precision off: the X server reports$(pointer_control)"
grep -qx 'MouseSensitivity=10' "$settings" || fail "the speed was not kept"
grep -qx 'WheelScrollLines=-1' "$settings" || fail "the wheel was not kept"
[ "$("$ctl" get pointer.wheel)" = pointer.wheel=screen ] || fail "the wheel does not read back"

# Read: the page takes the settings afresh. The advanced page: the speed
# slider's stop 11 (x = 260 on the slider at 60,285 in the window), then the
# page's note of the wheel, kept but not applied here.
xdotool mousemove 775 664 click 1
wait_for_read
xdotool mousemove $((190 + 350)) 186 click 1
sleep 0.5
xdotool mousemove $((190 + 60 + 260)) $((100 + 285)) click 1
sleep 0.5
import -window root "$shots/pointer-speed.png" || true
[ "$(pointer_control)" = " acceleration: 20/10 threshold: 0" ] ||
  fail "the page's speed: the X server reports$(pointer_control)"
grep -qx 'MouseSensitivity=20' "$settings" || fail "the page's speed was not kept"
echo PASS
