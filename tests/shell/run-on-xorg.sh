#!/usr/bin/env bash
# Runs a program (the desktop test) on a private X server: Xorg with the dummy video driver, one
# 1600x1000 screen, the keyboard layouts us,il,ru in group 0, and the openbox window manager. Xvfb,
# which the other window tests use, ignores a change of keymap and has no window manager: keyboard
# groups, size hints and maximising need these.
#
# Exit 77 (the test is skipped) only when the server cannot start here, for instance where Xorg may
# not open a virtual terminal; from then on the program's own exit status counts.
set -u
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
server=""
wm=""
finish() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT

skip() {
  echo "SKIPPED: the X server with the dummy video driver could not start: $1"
  exit 77
}

command -v Xorg >/dev/null || skip "Xorg is not installed (scripts/install-deps.sh installs it)"

# The server picks a free display number itself and writes it once it accepts connections.
Xorg -displayfd 3 -noreset -nolisten tcp -config "$here/xorg-dummy.conf" -logfile "$work/xorg.log" \
  3>"$work/display" >"$work/xorg.out" 2>&1 &
server=$!
display=""
for _ in $(seq 150); do
  if [ -s "$work/display" ]; then
    display=":$(tr -d '[:space:]' <"$work/display")"
    break
  fi
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$display" ]; then
  server_said=$(grep -h -E '\(EE\)|Fatal' "$work/xorg.out" "$work/xorg.log" 2>/dev/null | tail -n 3)
  skip "${server_said:-no answer within 15 seconds}"
fi
if ! DISPLAY=$display setxkbmap -layout us,il,ru; then
  echo "the X server on $display does not take the layouts us,il,ru"
  exit 1
fi

DISPLAY=$display openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!

DISPLAY=$display "$@"
status=$?
exit $status
