#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a virtual X display of its own and returns its status.
#
#   x_display.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGUMENTS...]
#
# The X server picks a free display number itself (-displayfd), so tests
# started side by side never race for the same number, and it is waited for
# at the end, so no server of a finished test is still going away while the
# next one starts. It never resets: an X server resets when its last client
# leaves, and a program that connects during the reset is turned away, as a
# test's program would be right after a check of the screen. Exit status 77
# (skipped) when there is no Xvfb.
set -uo pipefail

screen=${1:?usage: x_display.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGUMENTS...]}
shift
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit 77; }

number=$(mktemp)
log=$(mktemp)
Xvfb -displayfd 3 -noreset -screen 0 "$screen" -nolisten tcp 3>"$number" >"$log" 2>&1 &
server=$!
stop_server() {
  if ! kill "$server" 2>/dev/null; then
    echo "The X server ended before the test did; it said:"
    cat "$log"
  fi
  wait "$server" 2>/dev/null
  rm -f "$number" "$log"
}
trap stop_server EXIT

# The number is written once the server accepts connections.
for _ in $(seq 400); do
  grep -q '^[0-9][0-9]*$' "$number" && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.05
done
grep -q '^[0-9][0-9]*$' "$number" || { echo "FAIL: the X server did not start"; exit 1; }

DISPLAY=:$(cat "$number") "$@"
