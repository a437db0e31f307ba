#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with cpack from the build folder, into a folder
# of its own, and checks its control fields and contents; where lintian is
# installed, lintian must find no error in it. Skipped (status 77) where
# dpkg-shlibdeps is missing, and for a sanitizer build, which is no build to
# ship.
#
#   package_test.sh BUILD_FOLDER [SANITIZERS]
set -uo pipefail

build=${1:?usage: package_test.sh BUILD_FOLDER [SANITIZERS]}
if [ -n "${2:-}" ]; then
  echo "skipped: a build with sanitizers ($2) is not packaged"
  exit 77
fi
for tool in dpkg-deb dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack -G DEB failed"
  exit 1
fi
debs=("$work"/*.deb)
if [ "${#debs[@]}" != 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "FAIL: cpack made ${#debs[@]} packages instead of one: ${debs[*]}"
  exit 1
fi
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
version=$("$build/tools/engine/quellix-engine" --version | awk '{print $2}')
[ "$(field Package)" = quellix ] || fail "the package is called '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "the package's version is '$(field Version)', the program's $version"
[ "$(field Section)" = games ] || fail "the package's section is '$(field Section)'"
depends=$(field Depends)
# The font the panels are laid out for, and what dpkg-shlibdeps finds.
for package in fonts-liberation2 libc6 libqt6widgets6; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "the package does not depend on $package: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in usr/games/quellix usr/games/quellix-engine usr/share/doc/quellix/copyright \
            usr/share/doc/quellix/changelog.gz usr/share/man/man6/quellix.6.gz usr/share/man/man6/quellix-engine.6.gz \
            usr/share/applications/com.tamsvelder.Quellix.desktop \
            usr/share/metainfo/com.tamsvelder.Quellix.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/com.tamsvelder.Quellix.svg \
            usr/share/icons/hicolor/48x48/apps/com.tamsvelder.Quellix.png; do
  grep -qxF "./$path" <<<"$contents" || fail "the package lacks /$path"
done
grep -q '^\./usr/bin/' <<<"$contents" && fail "the package has programs in /usr/bin, not /usr/games"

mkdir "$work/root"
dpkg-deb -x "$deb" "$work/root"
for program in quellix quellix-engine; do
  file -b "$work/root/usr/games/$program" | grep -q 'not stripped' && fail "$program is not stripped"
done

if command -v lintian >/dev/null; then
  if ! lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1; then
    cat "$work/lintian.log"
    fail "lintian finds errors in the package"
  fi
else
  echo "note: lintian is not installed; the package was checked without it"
fi

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "PASS: cpack -G DEB makes the package quellix $version with its programs in /usr/games"
