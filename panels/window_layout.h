// SPDX-License-Identifier: GPL-3.0-or-later
// Where the board, the two panels and the two buttons go in a client area:
// content of shape 24 : 17, as large as fits and centred, every length a
// fraction of the content height.
#pragma once

#include "platform/geometry.h"

struct WindowLayout {
    platform::Rect board;
    platform::Rect panel1;
    platform::Rect panel2;
    platform::Rect startClearButton;
    platform::Rect passButton;
};

WindowLayout ComputeWindowLayout(const platform::Rect& client);

// The smallest client area the user may size the window to.
inline constexpr int MINIMUM_CLIENT_WIDTH = 426;
inline constexpr int MINIMUM_CLIENT_HEIGHT = 310;
