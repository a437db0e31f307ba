#include "platform/resources.h"

#include <QPixmap>
#include <array>

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
    return LoadProgramIcon(false);
}

bool UsesDoubleResolution(qreal devicePixelRatio)
{
    return devicePixelRatio > 1.0;
}

QImage LoadNamedPicture(const QString& name, bool doubleResolution)
{
    // Loaded by its exact file name: nothing here looks for an "@2x" file
    // on its own, so the normal name always gives the normal picture.
    QImage picture(
        QStringLiteral(":/pictures/%1%2.png").arg(name, doubleResolution ? QStringLiteral("@2x") : QString()));
    if (picture.isNull())
        return picture;
    picture = picture.convertToFormat(QImage::Format_RGB32);
    // The image reader gives files named "...@2x" a device pixel ratio of 2,
    // which would make a painter draw them at half their size.
    picture.setDevicePixelRatio(1);
    return picture;
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

QIcon LoadProgramIcon(bool doubleResolution)
{
    return quellix::resources::appIcon(doubleResolution);
}

QString LoadString(StringId which)
{
    const int id = static_cast<int>(which);
    static const std::array<const char*, 18> table = {
        "It's your turn",                                            // 1
        "It's my turn",                                              // 2
        "Please wait",                                               // 3
        "I had to pass",                                             // 4
        "You can't move",                                            // 5
        "Click \u201cPass\u201d",                                    // 6
        "Times",                                                     // 7
        "Clear Board",                                               // 8
        "Start Game",                                                // 9
        "Pass",                                                      // 10
        "%d pieces",                                                 // 11
        "1 piece",                                                   // 12
        "Arial",                                                     // 13
        "Quellix",                                                   // 14
        "Are you sure you want to clear the board and start over?",  // 15
        "Start over?",                                               // 16
        "Are you sure you want to exit Quellix?",                    // 17
        "Exit?",                                                     // 18
    };
    if (id < 1 || id > static_cast<int>(table.size()))
        return {};
    return QString::fromUtf8(table[static_cast<size_t>(id - 1)]);
}

}  // namespace platform
