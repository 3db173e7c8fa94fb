#!/bin/sh
# The manual pages render without a warning, and quorix-cli.1 describes every command of
# `quorix-cli --help` and every list mode of `quorix-cli list --help`, by name and number.
# Usage: manualpages_test.sh GROFF CLI QUORIX_CLI_1 QUORIX_1
set -u
groff=$1
cli=$2
page=$3
shift 3
fail() { echo "$*"; exit 1; }

for source in "$page" "$@"; do
  warnings=$(LC_ALL=C.UTF-8 "$groff" -k -Tutf8 -t -man -ww -z "$source" 2>&1)
  [ -z "$warnings" ] || fail "$source: $warnings"
done

# In the page's source a hyphen is written \- .
escaped() { printf '%s' "$1" | sed 's/-/\\-/g'; }
commands=$("$cli" --help | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p')
[ -n "$commands" ] || fail "quorix-cli --help names no command"
for command in $commands; do
  grep -F -q "\\fB$(escaped "$command")\\fR" "$page" || fail "$page does not describe the command $command"
done
modes=$("$cli" list --help | sed -n 's/^ *\([0-9][0-9]*\) \([a-z][a-z-]*\) .*/\1 \2/p')
[ -n "$modes" ] || fail "quorix-cli list --help names no mode"
printf '%s\n' "$modes" | while read -r number name; do
  grep -F -q "\\fB$number\\fR, \\fB$(escaped "$name")\\fR" "$page" || fail "$page does not list the mode $number $name"
done || exit 1
