#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the desktop integration:
# the program, its menu entry and its icons where desktops look for them.
#
#   install_test.sh BUILD_FOLDER
set -uo pipefail

build=${1:?usage: install_test.sh BUILD_FOLDER}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
  cat "$prefix.log"; rm -f "$prefix.log"
  echo "FAIL: cmake --install $build --prefix $prefix failed"
  exit 1
fi
rm -f "$prefix.log"

[ -x "$prefix/bin/quellix" ] || fail "bin/quellix is missing or not executable"

entry=$prefix/share/applications/quellix.desktop
if [ -f "$entry" ]; then
  for line in '[Desktop Entry]' 'Type=Application' 'Name=Quellix' 'Exec=quellix' 'Icon=quellix' \
              'Terminal=false' 'Categories=Game;BoardGame;'; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks the line $line"
  done
  grep -q '^Comment=.' "$entry" || fail "the desktop entry has no Comment"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects the desktop entry"
  else
    echo "note: desktop-file-validate is not installed; the entry's lines were checked one by one"
  fi
else
  fail "share/applications/quellix.desktop is missing"
fi

for size in 16 24 32 48 64 96 128 256 512; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/quellix.png
  if [ ! -f "$icon" ]; then
    fail "the ${size}x${size} icon is missing"
  elif [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    fail "the ${size}x${size} icon is not a PNG file"
  else
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    dims=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $dims"
  fi
done

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "PASS: program, desktop entry and icons install into bin and share"
