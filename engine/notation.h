// SPDX-License-Identifier: GPL-3.0-or-later
// How squares and positions are written down. A square is named as Othello
// players write it: its column a to h from the left, then its row 1 to 8
// from the top ("d3" is square 19). A position is written on one line as the
// engine tool reads it: the 64 squares row by row from the top left ('.'
// empty, 'X' colour 1, 'O' colour 2), then 'X' or 'O' for the side to move.
#pragma once

#include <string>
#include <string_view>

#include "engine/board_position.h"

namespace engine {

// "a1" to "h8" for squares 0 to 63; "pass" for NO_MOVE.
std::string squareName(int square);

// The square that `text` names, column letter in either case ("d3", "D3"),
// or NO_MOVE when it names none.
int parseSquare(std::string_view text);

// The one-line form of a position with a side to move (1 or 2); a position
// in the pass state names the side that must pass.
std::string formatPosition(const BoardPosition& position);

// Reads the one-line form. The position is left as the rules would leave it
// after a move of the other side: with the side's moves listed, in the pass
// state if only the other side can move, or over if neither can. False,
// leaving `position` unspecified, unless `text` is exactly 65 such characters.
bool parsePosition(std::string_view text, BoardPosition& position);

// Makes `position` the one with these squares and `side` (1 or 2) to move,
// settled as parsePosition settles it.
void settlePosition(BoardPosition& position, int side);

}  // namespace engine
