#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up what is missing on Debian 12, builds Quellix, then plays or tests it.
#
#   ./dev.sh play                 build and start the game
#   ./dev.sh test                 build and run the whole test suite
#   ./dev.sh test address,undefined
#   ./dev.sh test thread          the same, built with those sanitizers
#                                 (thread: only the tests labelled "threads";
#                                 both leave out those labelled "slow")
set -euo pipefail
cd "$(dirname "$0")"

action=${1:-}
sanitize=${2:-}
case "$action" in
  play|test) ;;
  *) echo "usage: $0 play | test [address,undefined|thread]" >&2; exit 2 ;;
esac

packages=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-wayland libgl-dev libgtest-dev libgmock-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          libbenchmark-dev fonts-liberation2 fonts-dejavu-core xvfb xauth xdotool imagemagick
          desktop-file-utils appstream dpkg-dev file dbus-daemon dbus-bin at-spi2-core python3-pyatspi)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" = 0 ] || sudo=sudo
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

build=build
config=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ -n "$sanitize" ]; then
  build="build-${sanitize//,/-}"
  config=(-DCMAKE_BUILD_TYPE=Debug "-DQUELLIX_SANITIZE=$sanitize")
fi
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" "${config[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"

if [ "$action" = play ]; then
  exec "$build/control/quellix"
fi

# The sanitizer builds are Debug builds: they leave out the tests labelled
# "slow", which only an optimized build runs in reasonable time.
labels=()
[ -n "$sanitize" ] && labels=(-LE slow)
[ "$sanitize" = thread ] && labels+=(-L threads)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/tsan.supp}
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "${labels[@]}"
