#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a virtual X display of its own and returns its status.
#
#   x_display.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGUMENTS...]
#
# The X server picks a free display number itself (-displayfd), so tests
# started side by side never race for the same number, and it is waited for
# at the end, so no server of a finished test is still going away while the
# next one starts. Exit status 77 (skipped) when there is no Xvfb.
set -uo pipefail

screen=${1:?usage: x_display.sh WIDTHxHEIGHTxDEPTH COMMAND [ARGUMENTS...]}
shift
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit 77; }

number=$(mktemp)
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$number" >/dev/null 2>&1 &
server=$!
stop_server() {
  kill "$server" 2>/dev/null
  wait "$server" 2>/dev/null
  rm -f "$number"
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
