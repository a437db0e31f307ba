#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and checks what a desktop and a
# distribution look for: the programs, the menu entry, the icons, the
# AppStream metainfo and the manual pages. Runs desktop-file-validate and
# appstreamcli where they are installed.
#
#   install_test.sh BUILD_FOLDER
set -uo pipefail

build=${1:?usage: install_test.sh BUILD_FOLDER}
id=com.tamsvelder.Quellix
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

for program in quellix quellix-engine; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing or not executable"
done

entry=$prefix/share/applications/$id.desktop
if [ -f "$entry" ]; then
  for line in '[Desktop Entry]' 'Type=Application' 'Name=Quellix' 'Exec=quellix' "Icon=$id" \
              'Terminal=false' 'Categories=Game;BoardGame;'; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks the line $line"
  done
  for key in Comment GenericName Keywords Comment'\[de\]' Comment'\[fr\]' Comment'\[nl\]' \
             Name'\[de\]' Name'\[fr\]' Name'\[nl\]'; do
    grep -q "^$key=." "$entry" || fail "the desktop entry has no ${key//\\/}"
  done
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects the desktop entry"
  else
    echo "note: desktop-file-validate is not installed; the entry's lines were checked one by one"
  fi
else
  fail "share/applications/$id.desktop is missing"
fi

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 16 24 32 48 64 96 128 256 512; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  if [ ! -f "$icon" ]; then
    fail "the ${size}x${size} icon is missing"
  elif [ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    fail "the ${size}x${size} icon is not a PNG file"
  else
    dims=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $dims"
  fi
done
svg=$prefix/share/icons/hicolor/scalable/apps/$id.svg
if [ ! -f "$svg" ]; then
  fail "the scalable icon is missing"
elif ! grep -q '<svg' "$svg" || ! grep -q 'viewBox="0 0 256 256"' "$svg"; then
  fail "the scalable icon is no SVG drawing of 256 by 256 units"
fi

metainfo=$prefix/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
  version=$("$prefix/bin/quellix-engine" --version | awk '{print $2}')
  for text in "<id>$id</id>" "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
              '<binary>quellix</binary>' '<binary>quellix-engine</binary>' '<content_rating type="oars-1.1"' \
              "<release version=\"$version\"" '<summary xml:lang="de">' '<summary xml:lang="fr">' \
              '<summary xml:lang="nl">' '<project_license>GPL-3.0-or-later</project_license>' \
              '<control>keyboard</control>'; do
    grep -qF "$text" "$metainfo" || fail "the metainfo lacks $text"
  done
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" >"$prefix/as.log" 2>&1 ||
      { cat "$prefix/as.log"; fail "appstreamcli validate rejects the metainfo"; }
  else
    echo "note: appstreamcli is not installed; the metainfo's lines were checked one by one"
  fi
else
  fail "share/metainfo/$id.metainfo.xml is missing"
fi

# The manual pages: compressed, naming their program, and (where man is
# installed) free of formatting warnings.
for page in quellix quellix-engine; do
  file=$prefix/share/man/man6/$page.6.gz
  if [ ! -f "$file" ]; then
    fail "share/man/man6/$page.6.gz is missing"
    continue
  fi
  # The title line: name in capitals (a hyphen written \-), section 6.
  title=".TH ${page^^} 6 "
  gzip -dc "$file" | grep -qF "${title//-/\\-}" || fail "$page.6.gz does not start the page of $page"
  if command -v man >/dev/null; then
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$file" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man reports on $page.6.gz: $warnings"
  fi
done

for doc in copyright changelog.gz; do
  [ -f "$prefix/share/doc/quellix/$doc" ] || fail "share/doc/quellix/$doc is missing"
done

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "PASS: programs, desktop entry, icons, metainfo and manual pages install into bin and share"
