// The program's named resources: pictures, cursors, icon and string table.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>

namespace platform {

// A named picture such as "COU0BIT" or "COU0MASK", as a 32-bit image: colour
// pictures in their colours, masks black where opaque and white where
// transparent. A null image when there is no such picture.
QImage LoadNamedPicture(const QString& name);

// A cursor resource ("BLACKCUR", "WHITECUR"), hot spot at (15, 15).
QCursor LoadCursorResource(const QString& name);

// The icon "EXEICON" at all its sizes.
QIcon LoadProgramIcon();

// A text of the string table by id (1 to 18); empty for any other id.
QString LoadString(int id);

}  // namespace platform
