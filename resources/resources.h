// The game's pictures in the Qt resource system, as linked in by the
// quellix_resources library.
#pragma once

#include <QIcon>
#include <QString>

namespace quellix::resources {

// The colour picture of a named pair: ":/pictures/COU0BIT.png" for "COU0".
QString colourPicturePath(const QString& name);
// Its one-bit mask: ":/pictures/COU0MASK.png" for "COU0".
QString maskPath(const QString& name);
// A cursor picture: ":/cursors/BLACKCUR.png" for "BLACKCUR".
QString cursorPath(const QString& name);
// Both disc cursors have their hot spot at (kCursorHotSpot, kCursorHotSpot).
inline constexpr int kCursorHotSpot = 15;

// The application icon with every size that is stored.
QIcon appIcon();

}  // namespace quellix::resources
