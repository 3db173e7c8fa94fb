#!/bin/sh
# Runs a validator and fails on a non-zero status or any error or warning it prints; hints and
# notes pass (desktop-file-validate suggests Office or TextTools beside Dictionary, which would
# file the program under a second main menu).
# Usage: validate.sh VALIDATOR [ARGS...] FILE
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
[ "$status" -eq 0 ] || { echo "the validator failed with status $status"; exit 1; }
if printf '%s\n' "$output" | grep -E -q '(^| )(error|warning|E:|W:)'; then
  echo "the validator reports errors or warnings"
  exit 1
fi
exit 0
