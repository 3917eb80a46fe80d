#!/usr/bin/env bash
# orvanectl.exe under wine: it starts, lists the machine's HID interfaces
# (wine has no mouse), says so for a mouse command, and keeps the macro
# library in its own folder.
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

if "$wine" "$work/orvanectl.exe" info >"$work/info.txt" 2>&1; then fail "info succeeded without a mouse"; fi
cat "$work/info.txt"

"$wine" "$work/orvanectl.exe" macro list >"$work/macros.txt" 2>&1 || fail "macro list: $(cat "$work/macros.txt")"
cat "$work/macros.txt"
echo "orvanectl.exe under wine: ok"
