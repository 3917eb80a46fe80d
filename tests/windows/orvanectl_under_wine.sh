#!/usr/bin/env bash
# orvanectl.exe under wine: it starts, lists the machine's HID interfaces
# (wine has no mouse), finds none without HID.dll, says so for a mouse
# command, and keeps the macro library in its own folder.
set -euo pipefail
wine=$1
exe=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$exe" "$work/orvanectl.exe"
fail() { echo "FAIL: $*" >&2; exit 1; }

"$wine" "$work/orvanectl.exe" list >"$work/list.txt" 2>&1 || true
cat "$work/list.txt"
grep -q "^0 mouse interfaces found" "$work/list.txt" || fail "list did not say how many mice it found"

# Without HID.dll the interfaces are still listed (SetupAPI and the HID class's
# built-in identifier), none is opened, and the first line says why.
WINEDLLOVERRIDES="hid=d;$WINEDLLOVERRIDES" "$wine" "$work/orvanectl.exe" list >"$work/nohid.txt" 2>&1 || true
cat "$work/nohid.txt"
head -1 "$work/nohid.txt" | grep -q "^HID.dll could not be loaded" || fail "no word of the missing HID.dll"
grep -q "opened\|found" "$work/nohid.txt" || fail "the list without HID.dll is empty"
if grep -q "feature report" "$work/nohid.txt"; then fail "an interface was opened without HID.dll"; fi

if "$wine" "$work/orvanectl.exe" info >"$work/info.txt" 2>&1; then fail "info succeeded without a mouse"; fi
cat "$work/info.txt"

"$wine" "$work/orvanectl.exe" macro list >"$work/macros.txt" 2>&1 || fail "macro list: $(cat "$work/macros.txt")"
cat "$work/macros.txt"
echo "orvanectl.exe under wine: ok"
