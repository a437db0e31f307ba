// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/resources.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <algorithm>
#include <iterator>

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

namespace {

// The sizes the icon is drawn in.
constexpr int DRAWN_SIZES[] = {16, 24, 32, 48, 64, 96, 128, 256, 512};

// The program's icon with the sizes a window manager shows beside a window,
// 16 to 64 logical pixels, each given at the ratio asked for from the
// drawing of that many device pixels, or the next larger one scaled down.
// Qt asks a window's icon for each of its sizes at the screen's ratio
// whenever a window is made: a larger size or a scaled one costs at every
// dialog.
class ProgramIconEngine : public QIconEngine {
public:
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    }
    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override { return size; }
    QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
    {
        const int pixels = std::min(size.width(), size.height());
        // Kept once made: every new window asks for the same few sizes.
        const QString key = QStringLiteral("quellix-icon-%1").arg(pixels);
        QPixmap picture;
        if (QPixmapCache::find(key, &picture))
            return picture;
        const int* drawn = std::lower_bound(std::begin(DRAWN_SIZES), std::end(DRAWN_SIZES), pixels);
        if (drawn == std::end(DRAWN_SIZES))
            --drawn;
        picture.load(QStringLiteral(":/icons/EXEICON_%1.png").arg(*drawn));
        if (*drawn != pixels && pixels > 0)
            picture = picture.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPixmapCache::insert(key, picture);
        return picture;
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal /*scale*/) override
    {
        // `size` is in device pixels already.
        return pixmap(size, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }
    QIconEngine* clone() const override { return new ProgramIconEngine; }
};

}  // namespace

QIcon appIcon()
{
    return QIcon(new ProgramIconEngine);
}

}  // namespace quellix::resources
