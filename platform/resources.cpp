// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/resources.h"

#include <QCoreApplication>
#include <QHash>
#include <QPixmap>
#include <array>
#include <mutex>

#include "resources/resources.h"

namespace platform {

QImage LoadNamedPicture(const QString& name)
{
    return LoadNamedPicture(name, false);
}

QCursor LoadCursorResource(const QString& name)
{
    return LoadCursorResource(name, false);
}

QIcon LoadProgramIcon()
{
    return quellix::resources::appIcon();
}

bool UsesDoubleResolution(qreal devicePixelRatio)
{
    return devicePixelRatio > 1.0;
}

namespace {

// The named pictures decoded so far, by path, and how many files were read.
// A layout composes the screen's pictures again from these, without reading
// a file. Any thread may ask (the animations compose on theirs); the lock is
// held only here, around the table, and never with another taken after it.
struct DecodedPictures {
    std::mutex lock;
    QHash<QString, QImage> pictures;
    int reads = 0;
};

DecodedPictures& Decoded()
{
    static DecodedPictures decoded;
    return decoded;
}

QImage ReadNamedPicture(const QString& path)
{
    QImage picture(path);
    if (picture.isNull())
        return picture;
    picture = picture.convertToFormat(QImage::Format_RGB32);
    // The image reader gives files named "...@2x" a device pixel ratio of 2,
    // which would make a painter draw them at half their size.
    picture.setDevicePixelRatio(1);
    return picture;
}

}  // namespace

QImage LoadNamedPicture(const QString& name, bool doubleResolution)
{
    // Looked up by its exact file name: nothing here looks for an "@2x" file
    // on its own, so the normal name always gives the normal picture.
    const QString path = quellix::resources::picturePath(name, doubleResolution);
    DecodedPictures& decoded = Decoded();
    {
        std::lock_guard lock(decoded.lock);
        const auto known = decoded.pictures.constFind(path);
        if (known != decoded.pictures.constEnd())
            return *known;
    }
    // Decoded outside the lock, so that a drawing on another thread that
    // needs another picture is not held up. When two threads decode the same
    // picture at once, the first one kept is the one both share.
    const QImage picture = ReadNamedPicture(path);
    std::lock_guard lock(decoded.lock);
    ++decoded.reads;
    auto kept = decoded.pictures.find(path);
    if (kept == decoded.pictures.end())
        kept = decoded.pictures.insert(path, picture);
    return *kept;
}

int NamedPictureReads()
{
    DecodedPictures& decoded = Decoded();
    std::lock_guard lock(decoded.lock);
    return decoded.reads;
}

QCursor LoadCursorResource(const QString& name, bool doubleResolution)
{
    QPixmap pixmap(quellix::resources::cursorPath(name, doubleResolution));
    if (pixmap.isNull())
        return QCursor(Qt::ArrowCursor);
    // The X11 cursor takes the picture's pixels and the hot spot as they are,
    // in device pixels, whatever ratio the pixmap carries; a ratio of 1 keeps
    // the hot spot meaning the same pixel of the picture everywhere.
    pixmap.setDevicePixelRatio(1);
    const int hotSpot = doubleResolution ? quellix::resources::kCursorHotSpot2x : quellix::resources::kCursorHotSpot;
    return QCursor(pixmap, hotSpot, hotSpot);
}

namespace {

// The context of the string table's texts in the catalogues.
const char* const STRING_TABLE = "StringTable";

// How a text of the table is translated.
enum class Translation {
    None,    // a font face, which no player reads
    Text,    // by its text
    Plural,  // by its text and a number: LoadPieceCount
};

struct TableEntry {
    const char* text;
    Translation translation;
};
using enum Translation;

// By id, from 1. The lines starting "//:" are notes for the translators.
const std::array<TableEntry, 18> TABLE = {{
    //: Panel message under the player's "GO!" picture. Panel messages are drawn
    //: at a fixed size in a fixed place of the panel: keep them about as short
    //: as the English.
    {QT_TRANSLATE_NOOP("StringTable", "It's your turn"), Text},  // 1
    //: Panel message of a robot about to move, first line.
    {QT_TRANSLATE_NOOP("StringTable", "It's my turn"), Text},  // 2
    //: Panel message of a robot about to move, second line.
    {QT_TRANSLATE_NOOP("StringTable", "Please wait"), Text},  // 3
    //: Panel message of a robot that could not move.
    {QT_TRANSLATE_NOOP("StringTable", "I had to pass"), Text},  // 4
    //: Panel message of a human who cannot move, first line.
    {QT_TRANSLATE_NOOP("StringTable", "You can't move"), Text},  // 5
    //: Panel message of a human who cannot move, second line: the name of the
    //: Pass button, in quotation marks.
    {QT_TRANSLATE_NOOP("StringTable", "Click “Pass”"), Text},  // 6
    {"Times", None},                                           // 7
    //: Button that ends the game and empties the board.
    {QT_TRANSLATE_NOOP("StringTable", "Clear Board"), Text},  // 8
    //: Button.
    {QT_TRANSLATE_NOOP("StringTable", "Start Game"), Text},  // 9
    //: Button of a human who cannot move.
    {QT_TRANSLATE_NOOP("StringTable", "Pass"), Text},  // 10
    //: A player's number of discs on the board, beside their disc in the
    //: panel, for every number but one, which has its own text, "1 piece".
    //: Translate with %n for the number, in each plural form. Keep it short.
    {QT_TRANSLATE_N_NOOP("StringTable", "%d pieces"), Plural},  // 11
    //: A player's number of discs when it is one.
    {QT_TRANSLATE_NOOP("StringTable", "1 piece"), Text},  // 12
    {"Arial", None},                                      // 13
    //: The program's name.
    {QT_TRANSLATE_NOOP("StringTable", "Quellix"), Text},                                                   // 14
    {QT_TRANSLATE_NOOP("StringTable", "Are you sure you want to clear the board and start over?"), Text},  // 15
    //: Title of the question "Are you sure you want to clear the board and start over?".
    {QT_TRANSLATE_NOOP("StringTable", "Start over?"), Text},                             // 16
    {QT_TRANSLATE_NOOP("StringTable", "Are you sure you want to exit Quellix?"), Text},  // 17
    //: Title of the question "Are you sure you want to exit Quellix?".
    {QT_TRANSLATE_NOOP("StringTable", "Exit?"), Text},  // 18
}};

}  // namespace

QString LoadString(StringId which)
{
    const int id = static_cast<int>(which);
    if (id < 1 || id > static_cast<int>(TABLE.size()))
        return {};
    const TableEntry& entry = TABLE[static_cast<size_t>(id - 1)];
    return entry.translation == Text ? QCoreApplication::translate(STRING_TABLE, entry.text)
                                     : QString::fromUtf8(entry.text);
}

QString LoadPieceCount(int count)
{
    if (count == 1)
        return LoadString(StringId::OnePiece);
    // The catalogues give "%d pieces" in every plural form of their language,
    // with %n for the number, which Qt puts in; the English text has %d.
    return QCoreApplication::translate(STRING_TABLE, TABLE[static_cast<size_t>(StringId::Pieces) - 1].text, nullptr,
                                       count)
        .replace(QStringLiteral("%d"), QString::number(count));
}

}  // namespace platform
