// SPDX-License-Identifier: GPL-3.0-or-later
// Why a text or a file is not a game, in the player's language: where the
// reader stopped (the move, or the line and column) and the reason.
#pragma once

#include <QString>

#include "engine/game_text.h"

// "Move 12: \"c4\" is not a legal move for light." or "Line 1, column 37:
// \"Z\" is not a square of a board."
QString ReadErrorText(const engine::ReadError& error);
