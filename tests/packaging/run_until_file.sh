#!/bin/sh
# Starts a program, waits until a file of that name appears below a folder, then ends the program.
# Succeeds when the file appeared within the time and the program was still running.
# Usage: run_until_file.sh SECONDS FOLDER NAME PROGRAM [ARGS...]
seconds=$1
folder=$2
name=$3
shift 3
"$@" > /dev/null 2>&1 &
pid=$!
found=1
i=0
while [ "$i" -lt "$seconds" ]; do
  if [ -n "$(find "$folder" -name "$name" 2>/dev/null)" ]; then
    found=0
    break
  fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 1
  i=$((i + 1))
done
alive=0
kill -0 "$pid" 2>/dev/null || alive=1
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ "$found" -eq 0 ] && [ "$alive" -eq 0 ]
