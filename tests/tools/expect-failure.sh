#!/bin/sh
# Runs a command that must fail: non-zero exit status and exactly one line on standard error that
# contains the expected text. Usage: expect-failure.sh TEXT COMMAND [ARGS...]
expected=$1
shift
errors=$("$@" 2>&1 >/dev/null)
status=$?
if [ "$status" -eq 0 ]; then echo "succeeded, but should have failed: $*"; exit 1; fi
case "$errors" in *"$expected"*) ;; *) echo "stderr lacks '$expected': $errors"; exit 1 ;; esac
first_line=$(printf '%s\n' "$errors" | head -n 1)
case "$first_line" in *"$expected"*) ;; *) echo "the error is not the first line: $errors"; exit 1 ;; esac
exit 0
