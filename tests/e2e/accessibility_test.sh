#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the real program the way a screen reader does: a virtual X display, a
# D-Bus session with the accessibility bus on it, the program with its
# accessibility always on, and an AT-SPI client (accessibility_check.py).
#
#   accessibility_test.sh QUELLIX_BINARY
#
# Exit status 77 (skipped) when a piece of that is not installed: Xvfb,
# dbus-run-session, dbus-send, the accessibility bus (at-spi2-core), xdotool,
# or a Python with pyatspi (python3-pyatspi).
set -uo pipefail

binary=${1:?usage: accessibility_test.sh QUELLIX_BINARY}
here=$(cd "$(dirname "$0")" && pwd)

skip() { echo "SKIP: $*"; exit 77; }

if [ -z "${QUELLIX_A11Y_SESSION_READY:-}" ]; then
  for tool in Xvfb dbus-run-session dbus-send xdotool; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
  done
  [ -f /usr/share/dbus-1/services/org.a11y.Bus.service ] || skip "the accessibility bus (at-spi2-core) is not installed"
  python=""
  # The distribution's Python, which has the distribution's pyatspi, first.
  for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import pyatspi' 2>/dev/null; then python=$candidate; break; fi
  done
  [ -n "$python" ] || skip "no Python with pyatspi (python3-pyatspi)"
  export QUELLIX_A11Y_SESSION_READY=1 QUELLIX_A11Y_PYTHON=$python
  exec "$here/x_display.sh" 1280x800x24 dbus-run-session -- "$0" "$@"
fi

# In an AddressSanitizer build the system libraries' own leaks are not ours.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$here/lsan.supp"

config=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  fi
  rm -rf "$config"
}
trap cleanup EXIT

# Two humans, so that nothing moves but what the check plays.
export XDG_CONFIG_HOME=$config
mkdir -p "$config/Tamsvelder"
printf '[Settings]\nPlayer1Level=0\nPlayer2Level=0\n' > "$config/Tamsvelder/quellix.conf"

# The accessibility bus is started on demand; ask for it before the program
# starts, which only watches for it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
  { echo "FAIL: the accessibility bus did not start"; exit 1; }

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$binary" &
pid=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quellix$' | head -n 1)
[ -n "$wid" ] || { echo "FAIL: the window titled Quellix did not appear within 30 s"; exit 1; }
timeout 20 xdotool windowfocus --sync "$wid" || { echo "FAIL: the window could not be given the focus"; exit 1; }
xdotool key F2

if timeout 90 "$QUELLIX_A11Y_PYTHON" "$here/accessibility_check.py"; then
  echo "PASS: the board reads as a table of 64 cells, the panels as text, a move is announced, the move list reads it, undo and redo take it back and play it again"
else
  echo "the program as read over AT-SPI is not as it should be"
  exit 1
fi
