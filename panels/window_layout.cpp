// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/window_layout.h"

#include <algorithm>

WindowLayout ComputeWindowLayout(const platform::Rect& client)
{
    const int width = client.Width();
    const int height = client.Height();

    // The content keeps the shape 24 : 17, as large as fits, centred.
    const int contentWidth = std::min(width, (24 * height) / 17);
    const int s = (17 * contentWidth + 1) / 24;  // content height: every length below derives from it
    const int x = client.left + (width - contentWidth) / 2;
    const int y = client.top + (height - s) / 2;

    WindowLayout layout;
    const int margin = s / 40;
    layout.board = {x + margin, y + margin, x + s - margin, y + s - margin};

    // The column right of the board: two panels of shape 24 : 17, two buttons.
    const int columnLeft = x + s + s / 32;
    const int columnRight = x + contentWidth - s / 32;
    const int panelHeight = (17 * (columnRight - columnLeft)) / 24;
    layout.panel1 = {columnLeft, y + s / 16, columnRight, y + s / 16 + panelHeight};
    layout.panel2 = {columnLeft, y + margin + s / 3, columnRight, y + margin + s / 3 + panelHeight};

    const int buttonLeft = columnLeft + s / 28;
    const int buttonRight = columnRight - s / 28;
    const int buttonHeight = s / 14;
    const int startTop = y + margin + (2 * s) / 3;
    const int passTop = y + margin + (19 * s) / 24;
    layout.startClearButton = {buttonLeft, startTop, buttonRight, startTop + buttonHeight};
    layout.passButton = {buttonLeft, passTop, buttonRight, passTop + buttonHeight};
    return layout;
}
