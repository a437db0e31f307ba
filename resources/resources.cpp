#include "resources/resources.h"

namespace quellix::resources {

QString colourPicturePath(const QString& name)
{
    return QStringLiteral(":/pictures/%1BIT.png").arg(name);
}

QString maskPath(const QString& name)
{
    return QStringLiteral(":/pictures/%1MASK.png").arg(name);
}

QString cursorPath(const QString& name)
{
    return QStringLiteral(":/cursors/%1.png").arg(name);
}

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/EXEICON_%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace quellix::resources
