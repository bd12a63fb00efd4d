#!/usr/bin/env bash
# move_old_log_test.sh SOURCE_DIR
# A log that an earlier run.sh left in the build folder moves, once, beside the
# installed program; a log already there is never overwritten.
set -euo pipefail
move=$1/scripts/move-old-log.sh
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

old="$tmp/build/release/src/app" new="$tmp/home/.local/opt/zitklok/bin"
mkdir -p "$old"
printf 'log' >"$old/actions.dat"
printf 'archive' >"$old/actions-2026-11-30.dat"
"$move" "$old" "$new" 2>"$tmp/said"
[ "$(cat "$new/actions.dat")" = log ] || fail "the log did not move"
[ "$(cat "$new/actions-2026-11-30.dat")" = archive ] || fail "the archive did not move"
[ ! -e "$old/actions.dat" ] || fail "the log is left in the build folder"
grep -q "moved the log" "$tmp/said" || fail "nothing told: $(cat "$tmp/said")"

# A second log in the old place never replaces the one in use.
printf 'other' >"$old/actions.dat"
"$move" "$old" "$new" 2>"$tmp/said"
[ "$(cat "$new/actions.dat")" = log ] || fail "the installed log was overwritten"
[ "$(cat "$old/actions.dat")" = other ] || fail "the old log was lost"
grep -q "exists already" "$tmp/said" || fail "nothing told: $(cat "$tmp/said")"

# Nothing to move: nothing said, nothing made.
rm "$old/actions.dat"
"$move" "$old" "$tmp/elsewhere" 2>"$tmp/said"
[ ! -s "$tmp/said" ] && [ ! -e "$tmp/elsewhere" ] || fail "acted without a log"
echo "move old log: ok"
