#!/usr/bin/env bash
# qolvar-cli under a file size limit (ulimit -f): a write past it fails with
# a message and status 1, never the silent end of SIGXFSZ, and the file that
# was there keeps its bytes; standard output past it likewise.
set -u
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
for i in $(seq 1 400); do printf '#%06X colour%d a comment to make the line longer\r\n' "$i" "$i"; done > "$dir/in.tab"
printf 'old\n' > "$dir/out.tab"
fail() { echo "FAIL: $*" >&2; exit 1; }

(ulimit -f 8; "$cli" table convert "$dir/in.tab" "$dir/out.tab" 2> "$dir/err")
status=$?
[ "$status" = 1 ] || fail "table convert past the limit: status $status, expected 1"
grep -q "out.tab" "$dir/err" || fail "no message naming the file: $(cat "$dir/err")"
[ "$(cat "$dir/out.tab")" = old ] || fail "the old file was changed"

(ulimit -f 8; "$cli" table dump "$dir/in.tab" > "$dir/dump" 2> "$dir/err")
status=$?
[ "$status" = 1 ] || fail "table dump to a limited standard output: status $status, expected 1"
[ -s "$dir/err" ] || fail "no message for the failed standard output"
echo ok
