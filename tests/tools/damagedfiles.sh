#!/bin/sh
# quorix-cli on damaged, foreign and stale files: every damaged database ends with the start-up
# error within a second or so, never a hang; every damaged or stale list file gives exactly the
# list of a scan. Works on copies; the given folders are left as they are.
# Usage: damagedfiles.sh CLI SYNTHETIC_DBDIR OTHER_DBDIR
set -eu
cli=$1
synthetic=$2
other=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }
databases="hebrew.db russian.db rusearch.db english.db ensearch.db"
copy() { for name in $databases; do cp "$1/$name" "$2/"; done; }
fresh() { rm -rf "$work/db"; mkdir "$work/db"; copy "$1" "$work/db"; }
# A hang would be the failure: at most 10 seconds per run (timeout's status 124 is no start-up error).
run() { timeout 10 "$cli" "$@" --db-dir "$work/db"; }
# A run that must fail: non-zero status (not timeout's 124) and one error line with the message.
bad() {
  message=$1; shift
  status=0
  errors=$(timeout 10 "$cli" "$@" --db-dir "$work/db" 2>&1 >/dev/null) || status=$?
  [ "$status" -ne 0 ] || fail "succeeded, but should have failed: $*"
  [ "$status" -ne 124 ] || fail "hung: $*"
  [ "$(printf '%s\n' "$errors" | wc -l)" -eq 1 ] || fail "not one error line: $errors"
  case "$errors" in *"$message"*) ;; *) fail "the error lacks '$message': $errors" ;; esac
}

for name in $databases; do
  fresh "$synthetic"
  rm "$work/db/$name"; mkfifo "$work/db/$name"
  bad "$name: not a regular file" info
  fresh "$synthetic"
  rm "$work/db/$name"; mkdir "$work/db/$name"
  bad "$name: not a regular file" info
  fresh "$synthetic"
  printf 'x' >> "$work/db/$name"
  bad "$name: 1 bytes follow the blob" info
done

# List files: each damage gives the scan's list again.
fresh "$synthetic"
run list 2 > "$work/scan"
[ -s "$work/scan" ] || fail "list 2 is empty"
cache="$work/db/query cache/0200000000.cache"
for damage in fifo empty cut flipped; do
  case $damage in
    fifo) rm "$cache"; mkfifo "$cache" ;;
    empty) : > "$cache" ;;
    cut) size=$(wc -c < "$cache"); head -c $((size - 4)) "$cache" > "$work/cut"; mv "$work/cut" "$cache" ;;
    flipped) printf '\001\000\000\000' | dd of="$cache" bs=1 seek=8 conv=notrunc 2>/dev/null ;;
  esac
  run list 2 > "$work/again" || fail "list 2 failed with a $damage list file"
  cmp -s "$work/scan" "$work/again" || fail "a $damage list file changed list 2"
done
touch "$work/db/query cache/0200000000.cache.tmp77-1"
run list 2 > /dev/null
[ ! -e "$work/db/query cache/0200000000.cache.tmp77-1" ] || fail "a left-over temporary file survived the start"

# Other databases under the same list files: the lists are those of the new databases.
run list 1 > /dev/null
copy "$other" "$work/db"
run list 2 > "$work/replaced"
run list 1 > "$work/replaced1"
mkdir "$work/clean"
copy "$other" "$work/clean"
timeout 10 "$cli" list 2 --db-dir "$work/clean" > "$work/expected"
timeout 10 "$cli" list 1 --db-dir "$work/clean" > "$work/expected1"
cmp -s "$work/replaced" "$work/expected" || fail "list 2 after the databases were replaced is not theirs"
cmp -s "$work/replaced1" "$work/expected1" || fail "list 1 after the databases were replaced is not theirs"
exit 0
