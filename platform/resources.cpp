#include "platform/resources.h"

#include <QPixmap>
#include <array>

#include "resources/resources.h"

namespace platform {

QImage LoadNamedPicture(const QString& name)
{
    QImage picture(QStringLiteral(":/pictures/%1.png").arg(name));
    if (picture.isNull())
        return picture;
    return picture.convertToFormat(QImage::Format_RGB32);
}

QCursor LoadCursorResource(const QString& name)
{
    const QPixmap pixmap(quellix::resources::cursorPath(name));
    if (pixmap.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(pixmap, quellix::resources::kCursorHotSpot, quellix::resources::kCursorHotSpot);
}

QIcon LoadProgramIcon()
{
    return quellix::resources::appIcon();
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
