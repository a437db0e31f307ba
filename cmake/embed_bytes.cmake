# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the bytes of INPUT as a comma-separated list of hexadecimal numbers
# to OUTPUT, to be #included inside an unsigned char array's braces.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}" "${bytes}\n")
