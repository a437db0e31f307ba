#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the game's window as a player feels it, paired against a bare Qt
# window with a menu bar (bare_window), at device pixel ratios 1 and 2, on a
# virtual X screen without a window manager:
#   start-up   from starting the program to its window on the screen;
#   menu       from Alt+G to the Game menu on the screen (five times);
#   about      from the About item's key to the About box on the screen
#              (three times);
#   question   from Ctrl+F2 (Clear Game) in a running game to the question on
#              the screen (three times);
#   help       from F1 to the help window on the screen, made the first time;
#   move       from Enter on a square to the last frame of the first move of
#              the game, against the animation's nominal 660 ms.
# Each round starts both programs once at each ratio, in alternating order.
# Prints the median of every figure and the game's ratio to the bare window.
#
#   benchmarks/window_timings.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
build=${1:-build}
rounds=${2:-5}
game=$build/control/quellix
bare=$build/benchmarks/bare_window
for program in "$game" "$bare"; do
  [ -x "$program" ] || { echo "no $program: build it first" >&2; exit 1; }
done

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -noreset -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; [ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
# Both players human, in a settings folder of its own.
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/Tamsvelder"
printf '[Settings]\nPlayer1Level=0\nPlayer2Level=0\n' >"$XDG_CONFIG_HOME/Tamsvelder/quellix.conf"
export QUELLIX_TIMING_PROBE=1

# Waits until the log has a line starting with $2 after line $3; prints it.
await() {
  local log=$1 word=$2 after=$3
  for _ in $(seq 300); do
    local line
    line=$(tail -n +"$((after + 1))" "$log" | grep -m1 "^$word " || true)
    [ -n "$line" ] && { echo "$line"; return; }
    sleep 0.02
  done
  echo "$word timeout"
}
lines() { wc -l <"$1"; }
record() { echo "$1 $2 $3" >>"$work/figures"; }  # name program value

# One run of a program at a ratio: every figure it gives.
run() {
  local name=$1 program=$2 ratio=$3 log=$work/log
  : >"$log"
  local start
  start=$(date +%s%N)
  QT_SCALE_FACTOR=$ratio "$program" 2>"$log" &
  local pid=$!
  local mapped
  mapped=$(await "$log" mapped 0 | cut -d' ' -f2)
  record "start-up@$ratio" "$name" "$(((mapped - start) / 1000))e-3"
  sleep 0.5
  local id
  id=$(xdotool search --sync --pid $pid --onlyvisible 2>/dev/null | head -1)
  xdotool mousemove --window "$id" 5 5
  # Without a window manager the keyboard goes where it was last put.
  focus() { xdotool windowfocus --sync "$id" 2>/dev/null || true; sleep 0.1; }
  focus
  if [ "$name" = game ]; then
    xdotool key F2
    sleep 0.5
    local before
    before=$(lines "$log")
    # The keyboard frame appears on d4; d3 is the first move.
    xdotool key Down Up Return
    sleep 1.5
    # The last frame of the animation; the board's last paint, once the
    # game has settled 150 ms later, is the next turn's.
    record "move@$ratio" "$name" "$(tail -n +"$((before + 1))" "$log" | grep '^paint ClientArea ' | cut -d' ' -f3 |
      tail -2 | python3 -c 'import sys; t=[float(x) for x in sys.stdin]; print(t[0] if len(t) == 2 and t[1] - t[0] > 120 else t[-1])')"
  fi
  for _ in 1 2 3 4 5; do
    focus
    local n
    n=$(lines "$log")
    xdotool key alt+g
    record "menu@$ratio" "$name" "$(await "$log" window "$n" | cut -d' ' -f3)"
    sleep 0.2
    xdotool key Escape Escape
    sleep 0.2
  done
  # Each dialog three times; the help window once, as it stays open.
  for figure in about about about question question question help; do
    focus
    local n
    case $figure in
      about) xdotool key alt+h && sleep 0.3 && n=$(lines "$log") && xdotool key a ;;
      question) n=$(lines "$log") && xdotool key $([ "$name" = game ] && echo ctrl+F2 || echo F2) ;;
      help) n=$(lines "$log") && xdotool key F1 ;;
    esac
    record "$figure@$ratio" "$name" "$(await "$log" window "$n" | cut -d' ' -f3)"
    sleep 0.3
    [ $figure = help ] || xdotool key Escape
    sleep 0.3
  done
  kill $pid 2>/dev/null
  wait $pid 2>/dev/null || true
  # The X server lets go of the program's windows before the next starts.
  sleep 1
}

: >"$work/figures"
for round in $(seq "$rounds"); do
  for ratio in 1 2; do
    if ((round % 2)); then
      run game "$game" $ratio
      run bare "$bare" $ratio
    else
      run bare "$bare" $ratio
      run game "$game" $ratio
    fi
  done
done

python3 - "$work/figures" <<'PY'
import statistics, sys
figures = {}
for line in open(sys.argv[1]):
    try:
        name, program, value = line.split()
        figures.setdefault(name, {}).setdefault(program, []).append(float(value))
    except ValueError:
        pass
print(f"{'figure':14} {'game ms':>9} {'bare ms':>9} {'ratio':>7}")
for name in sorted(figures):
    game = statistics.median(figures[name].get('game', [float('nan')]))
    if name.startswith('move'):
        print(f"{name:14} {game:9.1f} {660:9.1f} {game / 660:7.3f}  (against the nominal 660 ms)")
        continue
    bare = statistics.median(figures[name].get('bare', [float('nan')]))
    print(f"{name:14} {game:9.2f} {bare:9.2f} {game / bare:7.2f}")
PY
