#!/usr/bin/env bash
# The PC macro library from the command line: a macro imported from an
# export file, listed, shown, refused a second time, exported unchanged, and
# given to a button, whose slot in the mouse then holds it.
set -euo pipefail
sim=$1
ctl_built=$2
. "$(dirname "$0")/emulator_lib.sh"
# The library lives beside the program: a copy of its own in the work folder.
ctl=$work/orvanectl
cp "$ctl_built" "$ctl"

"$ctl" macro list >"$work/list0.out" || fail "list of a new library"
[ ! -s "$work/list0.out" ] || fail "a new library is not empty"
[ "$(stat -c %s "$work/Macro.bin")" = 25600 ] || fail "no 100-record Macro.bin"

# "Burst": its name in UTF-16, then the body: flag 0, L 3, A1 21, checksum.
{
  printf '\x00B\x00u\x00r\x00s\x00t'
  head -c 22 /dev/zero
  printf '\x00\x03\xa1\x21\x9f'
  head -c 219 /dev/zero
} >"$work/burst.bin"
"$ctl" macro import "$work/burst.bin" >"$work/import.out" 2>&1 || fail "import"
grep -qx 'imported Burst' "$work/import.out" || fail "import did not name the macro"
[ "$("$ctl" macro list)" = Burst ] || fail "list does not show Burst"
printf '00\n1 LeftKey CODE:00A1\n2 LeftKey CODE:0021\n' | cmp -s - <("$ctl" macro show Burst) ||
  fail "show: $("$ctl" macro show Burst)"
cp "$work/Macro.bin" "$work/library-before.bin"
if "$ctl" macro import "$work/burst.bin" >"$work/again.out" 2>&1; then fail "a second Burst"; fi
grep -qx 'This macro already exists' "$work/again.out" || fail "no duplicate message"
cmp -s "$work/Macro.bin" "$work/library-before.bin" || fail "a refused import changed the library"
"$ctl" macro export Burst "$work/exported.bin" || fail "export"
cmp -s "$work/exported.bin" "$work/burst.bin" || fail "the export differs from what was imported"
if "$ctl" macro show Nothing 2>"$work/missing.out"; then fail "show of a missing macro"; fi

# A kill -9 in the middle of saving leaves the old library or the new one,
# whole: an Import All of two records, killed at random moments.
{
  cat "$work/burst.bin"
  printf '\x00O\x00t\x00h\x00e\x00r'
  head -c 250 /dev/zero
} >"$work/all.bin"
cp "$work/Macro.bin" "$work/library-old.bin"
"$ctl" macro import "$work/all.bin" >/dev/null || fail "import all"
cp "$work/Macro.bin" "$work/library-new.bin"
cmp -s "$work/library-old.bin" "$work/library-new.bin" && fail "import all changed nothing"
olds=0
news=0
for _ in $(seq 30); do
  cp "$work/library-old.bin" "$work/Macro.bin"
  "$ctl" macro import "$work/all.bin" >/dev/null 2>&1 &
  pid=$!
  sleep "0.0$((RANDOM % 40 + 10))"  # 10 to 49 ms: before, during and after the save
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if cmp -s "$work/Macro.bin" "$work/library-old.bin"; then
    olds=$((olds + 1))
  elif cmp -s "$work/Macro.bin" "$work/library-new.bin"; then
    news=$((news + 1))
  else
    fail "after kill -9 the library is neither the old nor the new one"
  fi
done
echo "kill -9 in 30 library saves: $olds old, $news new, never partial"
cp "$work/library-old.bin" "$work/Macro.bin"

# Button 5 of profile 1 plays it: slot 1 (0x100) holds the macro, the button
# (at 0x40 + 12) its code 06 with the slot's pointer.
start_sim --memory "$work/mouse.bin"
"$ctl" set button.1.5=macro:Burst >"$work/set.out" 2>&1 || fail "set button.1.5=macro:Burst"
cmp -s <(head -c 256 "$work/burst.bin") <(tail -c +257 "$work/mouse.bin" | head -c 256) ||
  fail "slot 1 of the mouse does not hold Burst"
[ "$(od -An -tx1 -j 76 -N1 "$work/mouse.bin" | tr -d ' ')" = 06 ] || fail "button 5 does not play a macro"
[ "$("$ctl" get button.1.5)" = button.1.5=macro:Burst ] || fail "get: $("$ctl" get button.1.5)"
if "$ctl" set button.1.6=macro:Nothing >"$work/nothing.out" 2>&1; then fail "a missing macro"; fi
echo PASS
