// SPDX-License-Identifier: GPL-3.0-or-later
// Square picture codes: the integer in each square of the displayed
// position, which says what the board view draws there. Outside an animation
// it is the square's content; while a move is shown the animation stores the
// frames of the arrow and of the turning discs. The view keeps one prepared
// picture per code, at index code - 1.
#pragma once

namespace square_picture {

// Nothing is drawn: the square keeps the bare ground.
inline constexpr int EMPTY = 0;

// 1 and 2: a disc of that side.
constexpr int Disc(int side)
{
    return side;
}
constexpr bool IsDisc(int code)
{
    return code == 1 || code == 2;
}

// 3 to 7: a disc turning over from the dark face (3) to the light face (7).
inline constexpr int FIRST_TURNING = 3;
inline constexpr int TURNING_STEPS = 5;
// The frame shown at `step` (0 to 4) of a disc turning to `side`: a disc
// turning dark runs from 7 down to 3, one turning light from 3 up to 7.
constexpr int Turning(int side, int step)
{
    return side == 1 ? FIRST_TURNING + TURNING_STEPS - 1 - step : FIRST_TURNING + step;
}
constexpr bool IsTurning(int code)
{
    return code >= FIRST_TURNING && code < FIRST_TURNING + TURNING_STEPS;
}

// 8 to 23 and 24 to 39: a dark or light disc under the arrow turned
// frame x 22.5 degrees clockwise from pointing up, frame 0 to 15.
inline constexpr int ARROW_FRAMES = 16;
constexpr int Arrow(int side, int frame)
{
    return (side == 1 ? 8 : 24) + frame;
}
constexpr bool IsArrow(int code)
{
    return code >= Arrow(1, 0) && code < Arrow(2, ARROW_FRAMES);
}
constexpr int ArrowFrame(int code)
{
    return (code - Arrow(1, 0)) % ARROW_FRAMES;
}

// 40 and 41: a disc with the last-move mark. Never stored in a square: the
// view shows it for a disc on the last move's square.
constexpr int WithLastMoveMark(int discCode)
{
    return discCode + 39;
}
constexpr bool IsLastMoveMark(int code)
{
    return code == WithLastMoveMark(1) || code == WithLastMoveMark(2);
}

// 42 and 43: the discs at full size, which the other disc pictures are built
// on. They exist only as prepared pictures.
constexpr int FullSizeDisc(int side)
{
    return 41 + side;
}
constexpr bool IsFullSizeDisc(int code)
{
    return code == FullSizeDisc(1) || code == FullSizeDisc(2);
}

inline constexpr int HIGHEST_CODE = FullSizeDisc(2);

// The side whose disc a code shows, for every code from 1 up that shows a
// disc of one side (discs, arrows, marks, full-size discs).
constexpr int SideOf(int code)
{
    if (IsArrow(code))
        return code < Arrow(2, 0) ? 1 : 2;
    if (IsLastMoveMark(code))
        return code - 39;
    if (IsFullSizeDisc(code))
        return code - 41;
    return code;
}

// Where a code's prepared picture is kept, and the code kept at an index.
constexpr int PictureIndex(int code)
{
    return code - 1;
}
constexpr int CodeOfPicture(int index)
{
    return index + 1;
}

}  // namespace square_picture
