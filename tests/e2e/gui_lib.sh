# Shared by the end-to-end scripts that run the window: a virtual X display
# of its own, the program started on it, and waiting for its first read.
# The sourcing script sources emulator_lib.sh first and sets $gui (its own
# copy from program_copy, where the program keeps files beside itself).
# Xvfb picks a free display itself, so parallel runs never share one.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
export DISPLAY=:$(head -1 "$work/display")
gui_pid=
stop_all() {
  [ -n "$gui_pid" ] && kill "$gui_pid" 2>/dev/null || true
  stop_sim
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap stop_all EXIT
sleep 0.5

start_gui() {
  "$gui" >"$work/gui.out" 2>&1 &
  gui_pid=$!
  for _ in $(seq 50); do
    xdotool search --name '^Orvane Gaming Mouse v1.0$' >/dev/null 2>&1 && return
    sleep 0.2
  done
  fail "the window did not appear"
}
windows() { xdotool search --onlyvisible --pid "$gui_pid" 2>/dev/null | wc -l; }
# The first poll comes at 2.5 s, then the 2.1 s settle wait and a 1.8 s read
# with the busy window up: wait for it to come and go.
wait_for_read() {
  for _ in $(seq 100); do
    [ "$(windows)" -ge 2 ] && break
    sleep 0.2
  done
  [ "$(windows)" -ge 2 ] || fail "the mouse was never read"
  for _ in $(seq 100); do
    [ "$(windows)" = 1 ] && return
    sleep 0.2
  done
  fail "the busy window stayed"
}


# A copy of a built program in $work, so the files it keeps beside itself
# (the macro library, stored configurations) are this test's own.
program_copy() { cp "$1" "$work/$2" && echo "$work/$2"; }
# A point of the window, which the scripts place at (190, 100).
at() { xdotool mousemove $((190 + $1)) $((100 + $2)) "${@:3}"; }
click_at() { at "$1" "$2" click 1; sleep 0.5; }
