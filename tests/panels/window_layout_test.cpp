// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "panels/window_layout.h"

namespace {

using platform::Rect;

Rect At(int left, int top, int width, int height)
{
    return {left, top, left + width, top + height};
}

TEST(WindowLayout, MinimumClientArea)
{
    const WindowLayout layout = ComputeWindowLayout({0, 0, 426, 310});
    EXPECT_EQ(layout.board, (Rect{7, 11, 294, 298}));
    EXPECT_EQ(layout.panel1, (Rect{310, 22, 417, 97}));
    EXPECT_EQ(layout.panel2, (Rect{310, 111, 417, 186}));
    EXPECT_EQ(layout.startClearButton, At(320, 211, 87, 21));
    EXPECT_EQ(layout.passButton, At(320, 249, 87, 21));
}

TEST(WindowLayout, TallerThanTheContentShapeCentresVertically)
{
    const WindowLayout layout = ComputeWindowLayout({0, 0, 800, 600});
    EXPECT_EQ(layout.board, (Rect{14, 31, 552, 569}));
    EXPECT_EQ(layout.panel1, (Rect{583, 52, 783, 193}));
    EXPECT_EQ(layout.panel2, (Rect{583, 219, 783, 360}));
    EXPECT_EQ(layout.startClearButton, At(603, 408, 160, 40));
    EXPECT_EQ(layout.passButton, At(603, 479, 160, 40));
}

TEST(WindowLayout, WiderThanTheContentShapeCentresHorizontally)
{
    const WindowLayout layout = ComputeWindowLayout({0, 0, 1000, 500});
    EXPECT_EQ(layout.board, (Rect{159, 12, 634, 487}));
    EXPECT_EQ(layout.panel1, (Rect{661, 31, 837, 155}));
    EXPECT_EQ(layout.panel2, (Rect{661, 178, 837, 302}));
    EXPECT_EQ(layout.startClearButton, At(678, 344, 142, 35));
    EXPECT_EQ(layout.passButton, At(678, 407, 142, 35));
}

// The content height rounds 17 * A / 24 to the nearest: at A = 463 the
// quotient is 327.96, so S is 328, not 327.
TEST(WindowLayout, ContentHeightIsRoundedNotTruncated)
{
    const WindowLayout layout = ComputeWindowLayout({0, 0, 463, 400});
    EXPECT_EQ(layout.board, (Rect{8, 44, 320, 356}));
}

TEST(WindowLayout, ClientOriginShiftsEverything)
{
    const WindowLayout origin = ComputeWindowLayout({0, 0, 800, 600});
    const WindowLayout moved = ComputeWindowLayout({30, 40, 830, 640});
    EXPECT_EQ(moved.board, origin.board.Moved(30, 40));
    EXPECT_EQ(moved.panel1, origin.panel1.Moved(30, 40));
    EXPECT_EQ(moved.panel2, origin.panel2.Moved(30, 40));
    EXPECT_EQ(moved.startClearButton, origin.startClearButton.Moved(30, 40));
    EXPECT_EQ(moved.passButton, origin.passButton.Moved(30, 40));
}

TEST(WindowLayout, MinimisedClientGivesEmptyRectangles)
{
    const WindowLayout layout = ComputeWindowLayout({0, 0, 0, 0});
    for (const Rect& r : {layout.board, layout.panel1, layout.panel2, layout.startClearButton, layout.passButton}) {
        EXPECT_EQ(r.Width(), 0);
        EXPECT_EQ(r.Height(), 0);
    }
}

// Every size from tiny to very large: no rectangle turns inside out, the board
// stays square, and everything stays inside the client area.
TEST(WindowLayout, NoNegativeSizesAtAnyClientSize)
{
    const int sizes[] = {0, 1, 2, 5, 17, 24, 40, 100, 309, 310, 426, 1080, 2160, 3840};
    for (int width : sizes) {
        for (int height : sizes) {
            SCOPED_TRACE(testing::Message() << width << "x" << height);
            const Rect client{0, 0, width, height};
            const WindowLayout layout = ComputeWindowLayout(client);
            EXPECT_EQ(layout.board.Width(), layout.board.Height());
            for (const Rect& r :
                 {layout.board, layout.panel1, layout.panel2, layout.startClearButton, layout.passButton}) {
                EXPECT_GE(r.Width(), 0);
                EXPECT_GE(r.Height(), 0);
                EXPECT_GE(r.left, 0);
                EXPECT_GE(r.top, 0);
                EXPECT_LE(r.right, width);
                EXPECT_LE(r.bottom, height);
            }
            EXPECT_LE(layout.board.right, layout.panel1.left);
        }
    }
}

TEST(WindowLayout, LargeClientScalesTheContent)
{
    const WindowLayout layout = ComputeWindowLayout({0, 0, 3840, 2160});
    // A = 24 * 2160 / 17 = 3049, S = 2159: content centred horizontally.
    EXPECT_EQ(layout.board, (Rect{395 + 53, 0 + 53, 395 + 2159 - 53, 2159 - 53}));
    EXPECT_EQ(layout.panel1.left, 395 + 2159 + 67);
    EXPECT_EQ(layout.panel1.right, 395 + 3049 - 67);
    EXPECT_EQ(layout.panel1.Height(), (17 * layout.panel1.Width()) / 24);
}

}  // namespace
