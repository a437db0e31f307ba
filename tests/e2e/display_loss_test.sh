#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The display going away in the middle of a robots' game: the X server of a
# private display is killed while the moves animate, several times at
# different moments. The game must end as Qt's X11 platform ends it, with
# status 1, never with a crash, and keep the players' kinds.
#
#   display_loss_test.sh QUELLIX_BINARY [ROUNDS]
#
# Exit status 77 (skipped) only when there is no Xvfb or xdotool.
set -uo pipefail

binary=${1:?usage: display_loss_test.sh QUELLIX_BINARY [ROUNDS]}
rounds=${2:-6}
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
# Qt ends the process with exit(1) from the middle of its event loop: what
# is still allocated then is not a leak of the game's.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=xcb
mkdir -p "$config/Tamsvelder"
settings=$config/Tamsvelder/quellix.conf
failures=0
for round in $(seq "$rounds"); do
  printf '[Settings]\nPlayer1Level=1\nPlayer2Level=2\n' >"$settings"
  Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$config/display" >/dev/null 2>&1 &
  server=$!
  for _ in $(seq 100); do [ -s "$config/display" ] && break; sleep 0.05; done
  export DISPLAY=:$(cat "$config/display")
  "$binary" >/dev/null 2>"$config/log" &
  game=$!
  window=$(timeout 20 xdotool search --sync --pid "$game" --onlyvisible 2>/dev/null | head -1)
  [ -n "$window" ] && xdotool windowfocus --sync "$window" key F2 2>/dev/null
  # A moment somewhere in the first moves' animations.
  sleep "0.$((round * 13 % 9 + 1))"
  kill -9 "$server"
  wait "$server" 2>/dev/null
  timeout 30 tail --pid="$game" -f /dev/null
  wait "$game"
  status=$?
  if [ "$status" != 1 ]; then
    echo "FAIL: round $round ended with status $status"
    cat "$config/log"
    failures=$((failures + 1))
  elif ! grep -q '^Player1Level=1$' "$settings" || ! grep -q '^Player2Level=2$' "$settings"; then
    echo "FAIL: round $round lost the kinds:"
    cat "$settings"
    failures=$((failures + 1))
  fi
  : >"$config/display"
done
[ "$failures" = 0 ] && echo "PASS: $rounds display losses, each ended with status 1"
exit $((failures > 0))
