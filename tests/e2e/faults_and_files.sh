#!/usr/bin/env bash
# orvanectl and the emulator program when things go wrong: a stalled mouse,
# an unplug in the middle, two programs at once, files that are not images,
# paths that are not plain files, a kill in the middle of saving, a folder
# that is not ours. Prints the times it measures.
set -euo pipefail
sim=$1
ctl=$2
runs=${3:-50}  # kill -9 rounds
. "$(dirname "$0")/emulator_lib.sh"

now() { echo $(($(date +%s%N) / 1000000)); }
# Milliseconds since $1, as seconds.
elapsed() { local ms=$(($(now) - $1)); printf '%d.%03d' $((ms / 1000)) $((ms % 1000)); }
elapsed_ms() { echo $(($(now) - $1)); }
mode_of() { stat -c %a "$1"; }
# Runs orvanectl with a time limit, so that a hang is a failure, not a stuck CI.
ctl() { timeout 30 "$ctl" "$@"; }

# --- A stalled mouse: never a successful read with wrong bytes.
for stall in "40 2500" "150 4000" "300 6500" "345 3000"; do
  set -- $stall
  start_sim --memory "$work/stall-mouse.bin" --stall-after "$1" --stall-ms "$2"
  rm -f "$work/stall.bin"
  t=$(now)
  if ctl read "$work/stall.bin" >"$work/stall.out" 2>&1; then
    cmp -s "$work/stall.bin" "$work/stall-mouse.bin" ||
      fail "a stalled read (after $1 requests, $2 ms) exited 0 with wrong bytes"
    echo "stall after $1 requests for $2 ms: read complete and right ($(elapsed "$t") s)"
  else
    grep -qx 'Fail' "$work/stall.out" || fail "a stalled read did not say Fail"
    [ ! -e "$work/stall.bin" ] || fail "a failed read wrote its file"
    echo "stall after $1 requests for $2 ms: Fail after $(elapsed "$t") s"
  fi
done

# --- Unplugged in the middle of a read and of a write: Fail within 2 s.
# A write first reads the mouse (about 2 s), then writes for 3.5 s.
for case in "read 0.9" "write 3.0"; do
  set -- $case
  start_sim --memory "$work/mouse.bin"
  ctl read "$work/image.bin" >/dev/null
  ctl "$1" "$work/image.bin" >"$work/unplug.out" 2>&1 &
  ctl_pid=$!
  sleep "$2"
  t=$(now)
  stop_sim
  if wait "$ctl_pid"; then fail "$1 survived an unplug"; fi
  took=$(elapsed_ms "$t")
  grep -qx 'Fail' "$work/unplug.out" || fail "an unplug in the middle of $1 did not say Fail"
  [ "$took" -lt 2000 ] || fail "$1 took $took ms to give up after the unplug"
  echo "unplug in the middle of $1: Fail after $(elapsed "$t") s"
done

# --- Two programs at once: both right, or the second says the mouse is busy.
start_sim --memory "$work/mouse.bin"
for delay in 0.5 1.0; do
  rm -f "$work/first.bin" "$work/second.bin"
  ctl read "$work/first.bin" >"$work/first.out" 2>&1 &
  first=$!
  sleep "$delay"
  t=$(now)
  second_status=0
  ctl read "$work/second.bin" >"$work/second.out" 2>&1 || second_status=$?
  wait "$first" || fail "the first of two reads failed"
  cmp -s "$work/first.bin" "$work/mouse.bin" || fail "the first of two reads is wrong"
  if [ "$second_status" = 0 ]; then
    cmp -s "$work/second.bin" "$work/mouse.bin" || fail "the second of two reads is wrong"
    echo "two reads $delay s apart: both right (the second took $(elapsed "$t") s)"
  else
    grep -q 'busy' "$work/second.out" || fail "the second read failed without saying busy"
    echo "two reads $delay s apart: the second said busy"
  fi
done

# --- write FILE takes only a whole 2048-byte regular file.
ctl read "$work/good.bin" >/dev/null
cp "$work/mouse.bin" "$work/before.bin"
head -c 0 /dev/zero >"$work/0.bin"
head -c 1 "$work/good.bin" >"$work/1.bin"
head -c 2047 "$work/good.bin" >"$work/2047.bin"
{ cat "$work/good.bin"; printf 'x'; } >"$work/2049.bin"
mkfifo "$work/fifo.bin"
mkdir "$work/folder.bin"
for bad in 0.bin 1.bin 2047.bin 2049.bin fifo.bin folder.bin missing.bin /dev/zero; do
  path=$bad
  [ "${bad#/}" = "$bad" ] && path=$work/$bad
  if ctl write "$path" >"$work/bad.out" 2>&1; then fail "write accepted $bad"; fi
  grep -qE 'bytes, not 2048|not a regular file|no such file' "$work/bad.out" ||
    fail "write of $bad gave no clear reason: $(cat "$work/bad.out")"
done
cmp -s "$work/mouse.bin" "$work/before.bin" || fail "a refused write changed the mouse"
echo "write refused 0, 1, 2047 and 2049 bytes, a FIFO, a folder, a missing file and /dev/zero"

# A damaged profile section is named, not reported as written as it was.
cp "$work/good.bin" "$work/damaged.bin"
printf '\x02' | dd of="$work/damaged.bin" bs=1 seek=64 conv=notrunc 2>/dev/null
ctl write "$work/damaged.bin" >"$work/damaged.out" 2>&1 || fail "write of a damaged profile"
grep -q 'failed their checks.*ProfileKeys' "$work/damaged.out" || fail "the damaged section not named"
ctl write "$work/good.bin" >/dev/null

# --- read FILE replaces only regular files, keeps their mode, follows links.
printf 'old' >"$work/private.bin"
chmod 600 "$work/private.bin"
ctl read "$work/private.bin" >/dev/null
[ "$(mode_of "$work/private.bin")" = 600 ] || fail "a 0600 file came back $(mode_of "$work/private.bin")"
ln -s private.bin "$work/link.bin"
printf 'old' >"$work/private.bin"
ctl read "$work/link.bin" >/dev/null
[ -L "$work/link.bin" ] || fail "the symlink was replaced by a file"
cmp -s "$work/private.bin" "$work/mouse.bin" || fail "the link's target does not hold the read"
mkfifo "$work/out-fifo"
if ctl read "$work/out-fifo" >"$work/special.out" 2>&1; then fail "read replaced a FIFO"; fi
[ -p "$work/out-fifo" ] || fail "the FIFO is gone"
if [ "$(id -u)" = 0 ]; then
  mknod "$work/null" c 1 3
  if ctl read "$work/null" >"$work/special.out" 2>&1; then fail "read replaced a device node"; fi
  [ -c "$work/null" ] || fail "the device node was replaced"
fi
ls -A "$work" | grep -q '\.orvane-' && fail "a temporary file was left"
echo "read kept a 0600 file's mode, wrote through a symlink, refused a FIFO and a device node"

# --- load N: only a missing stored configuration falls back to the factory image.
mkdir -p "$work/bin"
cp "$ctl" "$work/bin/orvanectl"
head -c 100 /dev/zero >"$work/bin/TesselData_Cfg2.bin"
cp "$work/mouse.bin" "$work/before.bin"
if timeout 30 "$work/bin/orvanectl" load 2 >"$work/load.out" 2>&1; then fail "load 2 of a 100-byte file"; fi
grep -q 'holds 100 bytes' "$work/load.out" || fail "load of a short file gave no reason"
cmp -s "$work/mouse.bin" "$work/before.bin" || fail "a refused load wrote to the mouse"
rm "$work/bin/TesselData_Cfg2.bin"
mkdir "$work/bin/TesselData_Cfg2.bin"
if timeout 30 "$work/bin/orvanectl" load 2 >"$work/load.out" 2>&1; then fail "load 2 of a folder"; fi
cmp -s "$work/mouse.bin" "$work/before.bin" || fail "a refused load wrote to the mouse"
echo "load refused a short stored configuration and a folder in its place"

# --- kill -9 while reading into a file: old or new, whole, mode kept.
printf 'the old content' >"$work/saved.bin"
chmod 640 "$work/saved.bin"
cp "$work/saved.bin" "$work/saved-old.bin"
olds=0
news=0
for _ in $(seq "$runs"); do
  timeout 30 "$ctl" read "$work/saved.bin" >/dev/null 2>&1 &
  pid=$!
  # 1.5 to 2.5 s: before, during and after the write that ends the read
  delay=$((1500 + RANDOM % 1000))
  sleep "$((delay / 1000)).$(printf %03d $((delay % 1000)))"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if cmp -s "$work/saved.bin" "$work/saved-old.bin"; then
    olds=$((olds + 1))
  elif cmp -s "$work/saved.bin" "$work/mouse.bin"; then
    news=$((news + 1))
    cp "$work/saved-old.bin" "$work/saved.bin"  # back to the old content for the next round
  else
    fail "after kill -9 the file is neither the old nor the new content"
  fi
  [ "$(mode_of "$work/saved.bin")" = 640 ] || fail "after kill -9 the mode is $(mode_of "$work/saved.bin")"
done
# A temporary that a killed writer left is cleared by the next write.
printf 'half' >"$work/.saved.bin.orvane-2147483646-1"
ctl read "$work/saved.bin" >/dev/null
ls -A "$work" | grep -q '^\.saved\.bin\.orvane-' && fail "a stale temporary file survived"
echo "kill -9 in $runs reads into a file: $olds old, $news new, never partial, mode kept"

# --- info says accepted only after reading the identity; usage errors exit 1.
ctl info >"$work/info.out" || fail "info"
grep -qx 'accepted: yes' "$work/info.out" || fail "info did not accept the mouse"
start_sim --mem-not-ready
if ctl info >"$work/info.out" 2>&1; then fail "info succeeded without its memory"; fi
grep -q '^accepted: cannot tell' "$work/info.out" || fail "info claimed to know without the identity"
start_sim --signature 55
if ctl info >"$work/info.out" 2>&1; then fail "info succeeded with a wrong signature"; fi
grep -q '^accepted: cannot tell' "$work/info.out" || fail "info claimed to know with a wrong signature"
for usage in "bogus" "load 7" "read" "watch --ticks x"; do
  status=0
  ctl $usage >/dev/null 2>&1 || status=$?
  [ "$status" = 1 ] || fail "orvanectl $usage exited $status, not 1"
done

# --- The emulator's memory file always matches what it serves.
mkdir "$work/keep"
start_sim --memory "$work/keep/mouse.bin"
ctl read "$work/image.bin" >/dev/null
rm -rf "$work/keep"
# A changed byte of the macro slots, which no section check touches.
printf "\\x$(printf %02x $(($(od -An -tu1 -j 256 -N1 "$work/image.bin") ^ 0x5A)))" |
  dd of="$work/image.bin" bs=1 seek=256 conv=notrunc 2>/dev/null
if ctl write "$work/image.bin" >"$work/lost.out" 2>&1; then fail "a write the emulator could not keep succeeded"; fi
status=0
wait "$sim_pid" || status=$?
sim_pid=
[ "$status" = 1 ] || fail "the emulator exited $status after losing its memory file"
grep -q 'cannot keep the memory' "$work/sim.out" || fail "the emulator did not say it lost its memory file"
head -c 100 /dev/zero >"$work/short-mouse.bin"
if timeout 5 "$sim" --memory "$work/short-mouse.bin" >"$work/short.out" 2>&1; then
  fail "the emulator served a 100-byte memory file"
fi
grep -q 'holds 100 bytes' "$work/short.out" || fail "no reason for refusing the memory file"

# --- A device folder that is not closed to others is not used.
start_sim
chmod 755 "$XDG_RUNTIME_DIR/orvane-mouse"
if ctl list >"$work/list.out" 2>&1; then fail "list found a mouse in an open folder"; fi
grep -q 'virtual devices ignored: .*mode 0755, not 0700' "$work/list.out" || fail "list did not say why"
chmod 700 "$XDG_RUNTIME_DIR/orvane-mouse"
if "$sim" --name ../escape >"$work/name.out" 2>&1; then fail "--name ../escape accepted"; fi
echo PASS
