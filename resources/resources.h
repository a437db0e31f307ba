// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures in the Qt resource system, as linked in by the
// quellix_resources library.
//
// Every picture also comes drawn at double resolution, for screens with a
// device pixel ratio above 1: twice the width and height, the same design and
// the same storage rules, its file name ending in "@2x" (":/pictures/
// COU0BIT@2x.png"). The normal names never lead to those files.
#pragma once

#include <QIcon>
#include <QString>

namespace quellix::resources {

// A stored picture by its whole name: ":/pictures/COU0BIT.png" for
// "COU0BIT", or ":/pictures/COU0BIT@2x.png".
QString picturePath(const QString& fullName, bool doubleResolution = false);

// The colour picture of a named pair: ":/pictures/COU0BIT.png" for "COU0",
// or ":/pictures/COU0BIT@2x.png" at double resolution.
QString colourPicturePath(const QString& name, bool doubleResolution = false);
// Its one-bit mask: ":/pictures/COU0MASK.png" for "COU0", or
// ":/pictures/COU0MASK@2x.png".
QString maskPath(const QString& name, bool doubleResolution = false);
// A cursor picture: ":/cursors/BLACKCUR.png" for "BLACKCUR", or
// ":/cursors/BLACKCUR@2x.png" (64 x 64 instead of 32 x 32).
QString cursorPath(const QString& name, bool doubleResolution = false);
// Both disc cursors have their hot spot at (kCursorHotSpot, kCursorHotSpot),
// the 64 x 64 ones at (kCursorHotSpot2x, kCursorHotSpot2x): the same point of
// the disc, so the disc is centred on the hot spot the same way.
inline constexpr int kCursorHotSpot = 15;
inline constexpr int kCursorHotSpot2x = 2 * kCursorHotSpot;

// The application icon with the sizes a window manager shows beside a window,
// 16 to 64 logical pixels, each drawn for the screen's ratio from the stored
// drawings. Every new window (dialogs included) hands its icon to the window
// system, so it holds only these: task switchers and the menus of the
// desktop take the larger sizes from the installed icon theme.
QIcon appIcon();

}  // namespace quellix::resources
