#!/usr/bin/env bash
# A drive's history as a person and the timer use it: recordings written,
# listed, named by moments, thinned; a full disk or a second recording at
# once leaves the history as it was. The drive and the history are tmpfs
# mounts in a mount namespace of the test's own, so it needs root.
# Usage: history.sh KELMO
set -uo pipefail
kelmo=$1
if [ "${KELMO_IN_NAMESPACE:-}" != 1 ]; then
  [ "$(id -u)" -eq 0 ] && command -v unshare >/dev/null || { echo "skipped: needs root and unshare"; exit 77; }
  KELMO_IN_NAMESPACE=1 exec unshare --mount --propagation private "$0" "$@"
fi
work=$(mktemp -d)
trap 'umount -R "$work/drive" "$work/history" 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

mkdir -p "$work/drive" "$work/history"
mount -t tmpfs -o size=4m none "$work/drive" && mount -t tmpfs -o size=256k none "$work/history" ||
  { echo "skipped: cannot mount tmpfs"; exit 77; }
export KELMO_HISTORY_DIR=$work/history
mkdir -p "$work/drive/docs/old" "$work/drive/media"
head -c 100000 /dev/urandom >"$work/drive/docs/old/a"

# The first recording, made on 1 December as far as the history knows.
"$kelmo" --record "$work/drive/docs" || fail "--record exited $?"
folder=$(echo "$work"/history/mount-*)
first=$(ls "$folder" | grep json.zst)
mv "$folder/$first" "$folder/20261201T030000Z.json.zst"
sed -i "s/^$first/20261201T030000Z.json.zst/" "$folder/index"

head -c 300000 /dev/urandom >"$work/drive/media/b"
"$kelmo" --record "$work/drive" || fail "second --record exited $?"
"$kelmo" --history "$work/drive" >"$work/out" || fail "--history exited $?"
du_now=$(du -x -B1 -s "$work/drive" | cut -f1)
[ "$(wc -l <"$work/out")" -eq 2 ] && head -1 "$work/out" | grep -q $'^2026-12-01T03:00:00Z\t[0-9]*\t-$' &&
  tail -1 "$work/out" | grep -q $'\t'"$du_now"$'\t+' || fail "--history listed: $(cat "$work/out")"

# @latest is the drive as it is now; @2026-12-05 the recording of 1 December.
"$kelmo" --report --compare @latest "$work/drive" | grep -q '^Change    : 0$' || fail "@latest is not the last recording"
"$kelmo" --report --compare @2026-12-05 "$work/drive" >"$work/out"
grep -q '^media' "$work/out" || fail "@2026-12-05 compared: $(cat "$work/out")"
"$kelmo" --report --compare @2026-11-30 "$work/drive" >/dev/null 2>"$work/err" && fail "@2026-11-30 named a recording"
grep -q "no recording on or before 2026-11-30" "$work/err" || fail "@2026-11-30 said: $(cat "$work/err")"

# A second recording of the drive while one runs is refused.
flock "$folder/.lock" "$kelmo" --record "$work/drive" 2>"$work/err" && fail "a second recording at once ran"
grep -q "is running already" "$work/err" || fail "a second recording at once said: $(cat "$work/err")"

# A full disk: the recording fails with the reason, the history stays whole.
head -c 1000000 /dev/urandom >"$work/drive/media/c"
head -c 1000000 /dev/zero >"$folder/../filler" 2>/dev/null
before=$(ls "$folder")
"$kelmo" --record "$work/drive" 2>"$work/err" && fail "--record on a full disk exited 0"
grep -q "No space left on device" "$work/err" || fail "--record on a full disk said: $(cat "$work/err")"
[ "$(ls "$folder")" = "$before" ] || fail "a failed recording changed the history: $(ls "$folder")"
for recording in "$folder"/*.json.zst; do zstd -tq "$recording" || fail "$recording is damaged"; done
rm "$folder/../filler"

# Thinning: with only the last hour kept, the recording of 1 December goes.
"$kelmo" --record --keep=all:1h "$work/drive" || fail "--record --keep exited $?"
ls "$folder" | grep -q 20261201T && fail "--keep=all:1h kept the recording of 1 December"
grep -q 20261201T "$folder/index" && fail "--keep=all:1h left the index line of 1 December"

[ "$failures" -eq 0 ] || exit 1
