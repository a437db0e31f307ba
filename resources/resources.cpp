// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/resources.h"

namespace quellix::resources {
namespace {

QString path(const char* folder, const QString& base, bool doubleResolution)
{
    return QStringLiteral(":/%1/%2%3.png")
        .arg(QLatin1String(folder), base, doubleResolution ? QStringLiteral("@2x") : QString());
}

}  // namespace

QString picturePath(const QString& fullName, bool doubleResolution)
{
    return path("pictures", fullName, doubleResolution);
}

QString colourPicturePath(const QString& name, bool doubleResolution)
{
    return picturePath(name + QStringLiteral("BIT"), doubleResolution);
}

QString maskPath(const QString& name, bool doubleResolution)
{
    return picturePath(name + QStringLiteral("MASK"), doubleResolution);
}

QString cursorPath(const QString& name, bool doubleResolution)
{
    return path("cursors", name, doubleResolution);
}

QIcon appIcon(bool doubleResolution)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/EXEICON_%1.png").arg(size), QSize(size, size));
    if (doubleResolution)
        for (int size : {96, 128})
            icon.addFile(QStringLiteral(":/icons/EXEICON_%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace quellix::resources
