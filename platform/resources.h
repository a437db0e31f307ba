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

// The texts of the string table, by their ids.
enum class StringId {
    YourTurn = 1,
    MyTurn = 2,
    PleaseWait = 3,
    HadToPass = 4,
    CannotMove = 5,
    ClickPass = 6,
    SerifFace = 7,
    ClearBoard = 8,
    StartGame = 9,
    Pass = 10,
    Pieces = 11,  // "%d pieces"
    OnePiece = 12,
    SansFace = 13,
    ProgramName = 14,
    ClearQuestion = 15,
    ClearCaption = 16,
    ExitQuestion = 17,
    ExitCaption = 18,
};

// A text of the string table; empty for an id outside the table.
QString LoadString(StringId id);

}  // namespace platform
