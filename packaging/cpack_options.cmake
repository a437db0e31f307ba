# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack once for each package generator it runs.
# Debian keeps the programs of a game in /usr/games; the install step of
# packaging/CMakeLists.txt moves them there when it is told this directory.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_CUSTOM_INSTALL_VARIABLES "QUELLIX_GAMES_DIR=games")
endif()
