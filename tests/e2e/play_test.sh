#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real program as a player would: a virtual X display, real mouse
# clicks and key presses, and checks read from screenshots.
#
#   play_test.sh QUELLIX_BINARY OUTPUT_FOLDER ENGINE_TOOL
#
# The screenshots of every step are left in OUTPUT_FOLDER. Exit status 77
# (skipped) only when there is no Xvfb to make a display with.
set -uo pipefail

binary=${1:?usage: play_test.sh QUELLIX_BINARY OUTPUT_FOLDER ENGINE_TOOL}
out=${2:?usage: play_test.sh QUELLIX_BINARY OUTPUT_FOLDER ENGINE_TOOL}
engine=${3:?usage: play_test.sh QUELLIX_BINARY OUTPUT_FOLDER ENGINE_TOOL}

if [ -z "${QUELLIX_E2E_DISPLAY_READY:-}" ]; then
  export QUELLIX_E2E_DISPLAY_READY=1
  exec "$(dirname "$0")/x_display.sh" 1280x800x24 "$0" "$@"
fi

for tool in xdotool convert import compare; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done

# In an AddressSanitizer build the program's exit status includes the leak
# check: the system libraries' own leaks are not ours.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp"

# The program speaks the user's language; these checks look at the English
# window, whatever language the machine running them is set to.
export LC_ALL=C.UTF-8
unset LANGUAGE

mkdir -p "$out"
rm -f "$out"/*.png
config=$(mktemp -d)
export XDG_CONFIG_HOME=$config
pid=

failures=0
step=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
fatal() {
  echo "FAIL: $*"
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$config"
  exit 1
}
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$config"
}
trap cleanup EXIT

# Runs `condition` every 100 ms until it holds, for at most `seconds`.
poll() {
  local deadline=$((SECONDS + $1)); shift
  while ((SECONDS < deadline)); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}

# --- Start the program ------------------------------------------------------

"$binary" &
pid=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quellix$' | head -n 1)
[ -n "$wid" ] || fatal "the window titled Quellix did not appear within 30 s"
timeout 20 xdotool windowfocus --sync "$wid" || fatal "the window could not be given the keyboard focus"
eval "$(xdotool getwindowgeometry --shell "$wid")"  # X Y WIDTH HEIGHT
echo "window $wid at ${X},${Y}, ${WIDTH}x${HEIGHT}"

shot=""
# Takes a screenshot of the window into $out/NN-name.png and sets $shot.
screenshot() {
  step=$((step + 1))
  shot=$(printf '%s/%02d-%s.png' "$out" "$step" "$1")
  import -silent -window "$wid" "$shot" 2>/dev/null
}

# --- The layout, from the window's client area ------------------------------
# The client area begins under the menu bar, where the window's background
# brown (128, 96, 64) starts at its left edge.

find_client_top() {
  screenshot start-up
  clientTop=$(convert "$shot" -crop "1x${HEIGHT}+1+0" +repage txt:- |
              awk -F'[,:]' '/#806040/ {print $2; exit}')
  [ -n "$clientTop" ]
}
poll 20 find_client_top || fatal "no client area with the background colour below the menu bar"
clientHeight=$((HEIGHT - clientTop))
echo "client area: top $clientTop, ${WIDTH}x${clientHeight}"

# The window layout of the client area (content of shape 24 : 17, centred).
w=$WIDTH h=$clientHeight
contentWidth=$(( w < (24 * h) / 17 ? w : (24 * h) / 17 ))
s=$(( (17 * contentWidth + 1) / 24 ))
x0=$(( (w - contentWidth) / 2 ))
y0=$(( clientTop + (h - s) / 2 ))
margin=$(( s / 40 ))
boardLeft=$((x0 + margin)) boardTop=$((y0 + margin)) boardRight=$((x0 + s - margin)) boardBottom=$((y0 + s - margin))
columnLeft=$(( x0 + s + s / 32 )) columnRight=$(( x0 + contentWidth - s / 32 ))
panelHeight=$(( 17 * (columnRight - columnLeft) / 24 ))
panel2Top=$(( y0 + margin + s / 3 ))
buttonLeft=$(( columnLeft + s / 28 )) buttonRight=$(( columnRight - s / 28 ))
buttonHeight=$(( s / 14 ))
startTop=$(( y0 + margin + (2 * s) / 3 ))
boardWidth=$((boardRight - boardLeft))
lineWidth=$(( boardWidth / 160 <= 1 ? 1 : boardWidth / 160 ))
pitch=$((boardWidth + lineWidth))
startButtonX=$(( (buttonLeft + buttonRight) / 2 )) startButtonY=$(( startTop + buttonHeight / 2 ))

# Centre of a square, and a point a quarter of a square left of it (inside a
# disc, clear of the legal-move cross and the last move's hub).
centreX() { local c=$(($1 & 7)); echo $(( boardLeft + ((c * pitch) / 8 + ((c + 1) * pitch) / 8 - lineWidth) / 2 )); }
centreY() { local r=$(($1 >> 3)); echo $(( boardTop + ((r * pitch) / 8 + ((r + 1) * pitch) / 8 - lineWidth) / 2 )); }
quarter=$(( pitch / 32 ))

crop_box() { echo "$(( $3 - $1 ))x$(( $4 - $2 ))+$1+$2"; }
boardBox=$(crop_box "$boardLeft" "$boardTop" "$boardRight" "$boardBottom")
panel2Box=$(crop_box "$columnLeft" "$panel2Top" "$columnRight" $((panel2Top + panelHeight)))
buttonBox=$(crop_box "$buttonLeft" "$startTop" "$buttonRight" $((startTop + buttonHeight)))

# --- Reading the board from a screenshot -------------------------------------
# Sets board[0..63] to 0 (bare), 1 (dark disc), 2 (light disc) or 9 (neither:
# a disc in the middle of turning), marked[0..63] to 1 where a bare square
# shows the legal-move cross, and the counts dark, light, bare, marks.

sampleFormat=""
for square in $(seq 0 63); do
  cx=$(centreX "$square") cy=$(centreY "$square")
  sampleFormat+="%[pixel:p{$((cx - quarter)),$cy}] %[pixel:p{$cx,$cy}]\n"
done

read_board() {
  local square format=$sampleFormat
  local -a pixels
  mapfile -t pixels < <(convert "$shot" -format "$format" info: | sed 's/^srgb(//; s/).*srgb(/ /; s/)$//; s/ /,/g')
  dark=0 light=0 bare=0 marks=0
  for square in $(seq 0 63); do
    local r g b cr cg cb
    IFS=, read -r r g b cr cg cb <<< "${pixels[$square]}"
    marked[square]=0
    if ((g > r + 40 && g > b + 20)); then
      board[square]=0; bare=$((bare + 1))
      if ((cr + cg + cb < 150)); then marked[square]=1; marks=$((marks + 1)); fi
    elif ((r + g + b < 200)); then board[square]=1; dark=$((dark + 1))
    elif ((r + g + b > 600)); then board[square]=2; light=$((light + 1))
    else board[square]=9
    fi
  done
}

# Screenshot and board until the board shows `dark` and `light` discs at rest
# with the legal-move crosses of a human to move (or none when marks=0 is
# asked for).
board_is() {
  screenshot "$1"
  read_board
  [ "$dark" = "$2" ] && [ "$light" = "$3" ] && { [ "$4" = any ] || [ "$marks" = "$4" ]; }
}

# True when the region `box` is pixel-identical in two screenshots.
signature() { convert "$1" -crop "$2" +repage -format '%#' info:; }
same_region() { [ "$(signature "$1" "$3")" = "$(signature "$2" "$3")" ]; }

click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; }

# --- The start-up screen -----------------------------------------------------

read_board
initial=$shot
[ "$bare" = 64 ] && [ "$marks" = 0 ] || fail "the board is not empty at start-up ($dark dark, $light light, $bare bare)"

# The board where the layout puts it, and its seven lines each way exactly
# lineWidth wide. Everything above is in the screen's own pixels, so this
# holds at any QT_SCALE_FACTOR. Reads the row or column of `length` pixels
# from (x, y) that starts one pixel before the board and ends one after it.
board_line_is_exact() {
  convert "$shot" -crop "${3}x${4}+$1+$2" +repage txt:- | awk -v t="$lineWidth" -v n="$boardWidth" '
    function board(c) { return c == "#69BD8C" || c == "#262726" }
    NR > 1 { c[NR - 2] = $3 }
    END {
      if (board(c[0]) || board(c[n + 1])) exit 1
      runs = 0; width = 0
      for (i = 1; i <= n; i++) {
        if (!board(c[i])) exit 1
        if (c[i] == "#262726") { width++; continue }
        if (width && width != t) exit 1
        if (width) runs++
        width = 0
      }
      exit runs != 7
    }'
}
board_line_is_exact $((boardLeft - 1)) $((boardTop + 2)) $((boardWidth + 2)) 1 ||
  fail "along the board's top row, the board is not at x = $boardLeft to $boardRight with seven lines $lineWidth pixels wide"
board_line_is_exact $((boardLeft + 2)) $((boardTop - 1)) 1 $((boardWidth + 2)) ||
  fail "down the board's left column, the board is not at y = $boardTop to $boardBottom with seven lines $lineWidth pixels wide"

# --- Start a game ------------------------------------------------------------

click "$startButtonX" "$startButtonY"
if poll 20 board_is started 2 2 4; then
  [ "${board[27]}${board[28]}${board[35]}${board[36]}" = 2112 ] ||
    fail "the start discs are not on d4, e4, d5, e5 as light, dark, dark, light (${board[27]}${board[28]}${board[35]}${board[36]})"
  marksAt=""
  for sq in 19 26 37 44; do marksAt+=${marked[sq]}; done
  [ "$marksAt" = 1111 ] || fail "the four legal moves of the dark side are not marked ($marksAt)"
else
  fatal "after clicking Start Game the four start discs and four legal-move crosses did not appear ($dark dark, $light light, $marks crosses)"
fi

# --- Play square 19; the robot (player 2, level 3) replies -------------------

play_19() {
  click "$(centreX 19)" "$(centreY 19)"
  dark_moved() { screenshot dark-moved; read_board; [ "${board[19]}" = 1 ] && ((dark + light >= 5)); }
  poll 20 dark_moved ||
    fatal "after clicking square 19 no dark disc appeared there ($dark dark, $light light)"
  robot_replied() { board_is robot-replied 3 3 any && ((marks > 0)); }
  poll 30 robot_replied ||
    fatal "the robot's reply did not come, or the dark side did not get the turn back ($dark dark, $light light, $marks crosses)"
  replied=$shot
}
play_19

# --- Ctrl+Z takes back the move and the reply --------------------------------

start_marks() {
  local sq marksAt=""
  for sq in 19 26 37 44; do marksAt+=${marked[sq]}; done
  [ "${board[27]}${board[28]}${board[35]}${board[36]}" = 2112 ] && [ "$marksAt" = 1111 ]
}
xdotool key --clearmodifiers ctrl+z
undone() { board_is undone 2 2 4 && start_marks; }
poll 20 undone ||
  fail "Ctrl+Z after a move and the robot's reply did not bring back the start position with its four legal-move crosses ($dark dark, $light light, $marks crosses)"
undone=$shot

# --- H blinks a dark disc on the engine's hint; then the board is as before --

start=...........................OX......XO...........................X
hint=$("$engine" hint "$start")
xdotool key h
blinked() { screenshot hint; read_board; [ "${board[$hint]}" = 1 ]; }
if poll 10 blinked; then
  # As before, and still so longer than the blink's 200 ms pauses later.
  as_before() { screenshot hint-over; same_region "$undone" "$shot" "$boardBox"; }
  blink_over() { as_before && sleep 0.6 && as_before; }
  poll 10 blink_over || fail "after the hint's blink the board is not as it was before"
else
  fail "H did not blink a dark disc on square $hint, the square quellix-engine hint names"
fi

# --- Play goes on from the start position -------------------------------------

play_19

# --- Change player 2's level from the keyboard: Alt+2, 1 ---------------------

xdotool key --clearmodifiers alt+2
xdotool key 1
panel2_changed() { screenshot level-changed; ! same_region "$replied" "$shot" "$panel2Box"; }
poll 20 panel2_changed || fail "choosing Robot 1 for player 2 did not change player 2's panel"
same_region "$replied" "$shot" "$boardBox" || fail "choosing player 2's level changed the board"

# --- Player 1 becomes a robot too: Alt+1, 2; the game goes on by itself ------

xdotool key --clearmodifiers alt+1
xdotool key 2
game_goes_on() { screenshot robots-play; read_board; ((dark + light >= 9)); }
poll 60 game_goes_on || fail "after making player 1 a robot the game did not go on ($dark dark, $light light)"

# --- Ctrl+F2 asks whether to start over; Return answers OK -------------------

xdotool key --clearmodifiers ctrl+F2
question=$(timeout 20 xdotool search --sync --onlyvisible --name '^Start over\?$' | head -n 1)
if [ -z "$question" ]; then
  fail "Ctrl+F2 during a game did not ask \"Start over?\""
else
  step=$((step + 1))
  import -silent -window "$question" "$(printf '%s/%02d-question.png' "$out" "$step")" 2>/dev/null
  timeout 20 xdotool windowfocus --sync "$question" || fail "the question could not be given the focus"
  xdotool key Return
fi
cleared() { screenshot cleared; same_region "$initial" "$shot" "$boardBox" && same_region "$initial" "$shot" "$buttonBox"; }
poll 20 cleared || fail "after answering OK the board is not empty again, or the button does not read Start Game as at start-up"

# --- Exit through the menu: Alt+G, x ------------------------------------------

timeout 20 xdotool windowfocus --sync "$wid" || fail "the window could not be given the focus back"
xdotool key --clearmodifiers alt+g
xdotool key x
exited() { ! kill -0 "$pid" 2>/dev/null; }
if poll 20 exited; then
  wait "$pid"
  status=$?
  pid=
  [ "$status" = 0 ] || fail "the program exited with status $status"
else
  fatal "the program did not exit within 20 s after Game > Exit"
fi

conf=$config/Tamsvelder/quellix.conf
if [ -f "$conf" ]; then
  grep -qx '\[Settings\]' "$conf" || fail "$conf has no [Settings] section"
  grep -qx 'Player1Level=2' "$conf" || fail "$conf does not hold Player1Level=2: $(tr '\n' ' ' < "$conf")"
  grep -qx 'Player2Level=1' "$conf" || fail "$conf does not hold Player2Level=1: $(tr '\n' ' ' < "$conf")"
else
  fail "no settings were written to $conf"
fi

# --- Again: a choice is saved as it is made; SIGTERM ends the program in order -

if [ -f "$conf" ]; then
  "$binary" &
  pid=$!
  wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quellix$' | head -n 1)
  [ -n "$wid" ] || fatal "the window did not appear again within 30 s"
  timeout 20 xdotool windowfocus --sync "$wid" || fatal "the window could not be given the keyboard focus again"
  xdotool key --clearmodifiers alt+2
  xdotool key 5
  saved() { grep -qx 'Player1Level=2' "$conf" && grep -qx 'Player2Level=5' "$conf"; }
  poll 5 saved || fail "choosing Robot 5 for player 2 was not saved while the program runs: $(tr '\n' ' ' < "$conf")"
  xdotool key --clearmodifiers alt+1
  xdotool key h
  human_saved() { grep -qx 'Player1Level=0' "$conf"; }
  poll 5 human_saved || fail "choosing Human for player 1 was not saved: $(tr '\n' ' ' < "$conf")"

  # F2, then Up shows the keyboard cursor on square 27, Up moves it to 19, and
  # Return plays square 19. The cursor is a blue frame between the square's
  # picture and the grid lines.
  before=$WIDTH:$HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  [ "$WIDTH:$HEIGHT" = "$before" ] || fail "the window came back at another size ($WIDTH:$HEIGHT, was $before)"
  xdotool key F2
  poll 20 board_is keyboard-game 2 2 4 || fail "F2 did not start a game ($dark dark, $light light, $marks crosses)"
  framed() {
    local c=$(($1 & 7)) r=$(($1 >> 3))
    local left=$(( boardLeft + (c * pitch) / 8 )) picture=$(( (boardWidth + lineWidth) / 10 ))
    local x0=$(( boardLeft + ((c * pitch) / 8 + ((c + 1) * pitch) / 8 - lineWidth - picture) / 2 ))
    convert "$shot" -crop "$((x0 - left))x1+$left+$(centreY "$1")" +repage txt:- | grep -qi '#1040FF'
  }
  xdotool key Up
  cursor_on() { screenshot "cursor-on-$1"; framed "$1" && ! framed "$2"; }
  poll 5 cursor_on 27 19 || fail "the first Up did not show the keyboard cursor on square 27 alone"
  xdotool key Up
  poll 5 cursor_on 19 27 || fail "the second Up did not move the keyboard cursor to square 19"
  xdotool key Return
  keyboard_moved() { screenshot keyboard-moved; read_board; [ "${board[19]}" = 1 ] && ((dark + light >= 5)); }
  poll 20 keyboard_moved || fail "Return did not play square 19 ($dark dark, $light light)"

  # Ctrl+Q asks the exit question during a game; Cancel keeps the program.
  xdotool key --clearmodifiers ctrl+q
  exitQuestion=$(timeout 20 xdotool search --sync --onlyvisible --name '^Exit\?$' | head -n 1)
  if [ -z "$exitQuestion" ]; then
    fail "Ctrl+Q during a game did not ask \"Exit?\""
  else
    timeout 20 xdotool windowfocus --sync "$exitQuestion" || fail "the exit question could not be given the focus"
    xdotool key Escape
    question_gone() { ! xdotool search --name '^Exit\?$' >/dev/null; }
    poll 5 question_gone || fail "Escape did not close the exit question"
    kill -0 "$pid" 2>/dev/null && screenshot exit-cancelled ||
      fail "Cancel in the exit question after Ctrl+Q ended the program"
  fi
  kill -TERM "$pid"
  if poll 3 exited; then
    wait "$pid"
    status=$?
    pid=
    [ "$status" = 0 ] || fail "after SIGTERM the program exited with status $status"
  else
    fatal "the program did not end within 3 s of SIGTERM"
  fi
  grep -qx 'Player1Level=0' "$conf" && grep -qx 'Player2Level=5' "$conf" ||
    fail "after SIGTERM $conf does not hold Player1Level=0 and Player2Level=5: $(tr '\n' ' ' < "$conf")"
fi

if ((failures)); then
  echo "$failures check(s) failed; screenshots in $out"
  exit 1
fi
echo "PASS: started, played, undid, blinked the hint, changed levels, cleared, exited, saved choices at once, played from the keyboard, asked on Ctrl+Q and ended on SIGTERM; screenshots in $out"
