#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Games that travel between programs: one program opens a game named on its
# command line and copies it with Ctrl+C; a second one pastes it with Ctrl+V
# and must show the same board. A third is given a file that is no game: it
# says so, and then shows its usual empty window.
#
#   exchange_test.sh QUELLIX_BINARY OUTPUT_FOLDER ENGINE_TOOL
#
# Exit status 77 (skipped) only when there is no Xvfb.
set -uo pipefail

binary=${1:?usage: exchange_test.sh QUELLIX_BINARY OUTPUT_FOLDER ENGINE_TOOL}
out=${2:?usage: exchange_test.sh QUELLIX_BINARY OUTPUT_FOLDER ENGINE_TOOL}
engine=${3:?usage: exchange_test.sh QUELLIX_BINARY OUTPUT_FOLDER ENGINE_TOOL}

if [ -z "${QUELLIX_E2E_DISPLAY_READY:-}" ]; then
  export QUELLIX_E2E_DISPLAY_READY=1
  exec "$(dirname "$0")/x_display.sh" 1280x800x24 "$0" "$@"
fi
for tool in xdotool import compare; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp"
export LC_ALL=C.UTF-8
unset LANGUAGE

mkdir -p "$out"
rm -f "$out"/*.png
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config
mkdir -p "$config/Tamsvelder"
printf '[Settings]\nPlayer1Level=0\nPlayer2Level=0\n' > "$config/Tamsvelder/quellix.conf"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  # They save their settings as they end: the folder goes after them.
  wait
  rm -rf "$config"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Starts the program with the given arguments; sets $wid to its window.
start() {
  local before
  before=$(xdotool search --onlyvisible --name '^Quellix$' 2>/dev/null | sort)
  "$binary" "$@" &
  pids+=($!)
  wid=""
  for _ in $(seq 300); do
    wid=$(comm -13 <(echo "$before") <(xdotool search --onlyvisible --name '^Quellix$' 2>/dev/null | sort) | head -n 1)
    [ -n "$wid" ] && break
    sleep 0.1
  done
  [ -n "$wid" ] || { echo "FAIL: a window titled Quellix did not appear"; exit 1; }
}

# The board and the panels of window $1, once it has settled, into $2.
board_of() {
  sleep 1.5
  import -window "$1" "$2"
}

# A game of 20 moves, with its transcript, as a GGF file of the engine tool.
transcript=f5d6c3d3c4f4c5b3c2e3d2c6b4b5f2e2a3d1c1a4
"$engine" replay --ggf "$transcript" > "$config/game.ggf" || { echo "FAIL: the engine tool wrote no game"; exit 1; }

start "$config/game.ggf"
first=$wid
board_of "$first" "$out/1-opened.png"
xdotool windowfocus --sync "$first"
xdotool key --clearmodifiers ctrl+c

start
second=$wid
xdotool windowfocus --sync "$second"
xdotool key --clearmodifiers ctrl+v
board_of "$second" "$out/2-pasted.png"
differing=$(compare -metric AE "$out/1-opened.png" "$out/2-pasted.png" null: 2>&1)
[ "$differing" = 0 ] || fail "the pasted game differs from the copied one in $differing pixels"
# The opened game is not the empty board of a new window.
start
board_of "$wid" "$out/3-new.png"
differing=$(compare -metric AE "$out/1-opened.png" "$out/3-new.png" null: 2>&1)
[ "$differing" != 0 ] || fail "the opened game looks like an empty board"

printf 'f5 d6 a1\n' > "$config/bad.txt"
start "$config/bad.txt"
message=$(timeout 20 xdotool search --sync --onlyvisible --name '^Open Game$' | head -n 1)
if [ -z "$message" ]; then
  fail "a file that is no game brought no message"
else
  xdotool windowfocus --sync "$message"
  xdotool key Return
  board_of "$wid" "$out/4-after-bad.png"
  differing=$(compare -metric AE "$out/3-new.png" "$out/4-after-bad.png" null: 2>&1)
  [ "$differing" = 0 ] || fail "after a bad file the window is not the usual empty one ($differing pixels differ)"
fi

if ((failures)); then
  echo "$failures check(s) failed; the screenshots are in $out"
  exit 1
fi
echo "PASS: a game opened from the command line, copied and pasted into another program shows the same board; a bad file is reported"
