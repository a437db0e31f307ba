// SPDX-License-Identifier: GPL-3.0-or-later
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

// The icon "EXEICON" at the sizes a window carries, drawn for any ratio.
QIcon LoadProgramIcon();

// Whether a screen of this device pixel ratio takes the double-resolution
// pictures and cursors: above 1. At 1 everything stays as it always was.
bool UsesDoubleResolution(qreal devicePixelRatio);

// The same for a screen of either kind. With doubleResolution false they
// return exactly what the functions above return. With true:
// - the picture drawn at double resolution, twice the width and height, as a
//   grid of device pixels: its device pixel ratio is 1 like every other
//   picture's, so it is composited 1:1, pixel for pixel;
// - the 64 x 64 cursor with the same disc around the same hot spot, for
//   screens of ratio 2 (the window system shows it at 32 x 32 logical pixels).
// Each named picture is read and decoded once; later loads share the decoded
// picture.
QImage LoadNamedPicture(const QString& name, bool doubleResolution);
QCursor LoadCursorResource(const QString& name, bool doubleResolution);

// How many named pictures have been read and decoded, for the tests.
int NamedPictureReads();

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

// A text of the string table in the program's language (platform/
// translations.h); empty for an id outside the table. Two are never
// translated: the font faces, which are names, and "%d pieces", the English
// template of a plural, which LoadPieceCount gives in every language.
QString LoadString(StringId id);

// A player's disc count: "1 piece" for one, else "%d pieces" with the number,
// 0 included. In another language, in its plural form for the number.
QString LoadPieceCount(int count);

}  // namespace platform
