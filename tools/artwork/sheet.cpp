// A contact sheet for looking at the stored pictures the way the game shows
// them: every pair composited through its mask (target OR NOT mask, then
// AND picture) onto the grounds it really appears on, at full size and
// shrunk without blending as the board and the panels shrink them.
#include "artwork.h"

#include <QDir>
#include <QFont>
#include <QPainter>

namespace artwork {
namespace {

constexpr QRgb kPanelGreys[] = {0xFF949494, 0xFF808080, 0xFFF0F0F0, 0xFFE0E0E0};
constexpr QRgb kSheetGround = 0xFF806040;

struct Loader {
    QDir dir;
    QImage colour(const QString& name) const
    {
        return QImage(dir.filePath(QStringLiteral("pictures/%1BIT.png").arg(name)));
    }
    QImage mask(const QString& name) const
    {
        return QImage(dir.filePath(QStringLiteral("pictures/%1MASK.png").arg(name)));
    }
};

void drawMasked(QImage& target, QPoint at, const Loader& load, const QString& name)
{
    QPainter p(&target);
    p.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
    p.drawImage(at, load.mask(name).convertToFormat(QImage::Format_RGB32));
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(at, load.colour(name).convertToFormat(QImage::Format_RGB32));
}

// The square picture of one board picture index, as the board composes it.
QImage squarePicture(const Loader& load, int index)
{
    QImage canvas(120, 120, QImage::Format_RGB32);
    canvas.fill(kBoardGreen);
    auto disc = [&](bool light) {
        drawMasked(canvas, QPoint(0, 0), load, light ? "COU6" : "COU0");
    };
    if (index <= 1) {
        disc(index == 1);
    } else if (index <= 6) {
        drawMasked(canvas, QPoint(0, 0), load, QStringLiteral("COU%1").arg(index - 1));
    } else if (index <= 38) {
        const bool light = index >= 23;
        disc(light);
        const int n = light ? index - 22 : index - 6;
        drawMasked(canvas, QPoint(4, 4), load, QStringLiteral("ARROW%1").arg(n, 2, 10, QLatin1Char('0')));
    } else {
        disc(index == 40);
        drawMasked(canvas, QPoint(4, 4), load, QStringLiteral("CENTER"));
    }
    return canvas;
}

// A strip of board with squares of the given pitch showing pictures.
QImage boardStrip(const Loader& load, const QList<int>& indices, int pitch)
{
    const int line = std::max(1, pitch * 8 / 160);
    const int picture = (pitch * 8 + line) / 10;
    QImage strip(pitch * static_cast<int>(indices.size()) + line, pitch + line, QImage::Format_RGB32);
    strip.fill(kBoardGreen);
    QPainter p(&strip);
    for (int i = 0; i <= indices.size(); ++i)
        p.fillRect(i * pitch, 0, line, strip.height(), QColor(0x26, 0x27, 0x26));
    p.fillRect(0, 0, strip.width(), line, QColor(0x26, 0x27, 0x26));
    p.fillRect(0, pitch, strip.width(), line, QColor(0x26, 0x27, 0x26));
    for (int i = 0; i < indices.size(); ++i) {
        if (indices[i] < 0)
            continue;  // an empty square
        const QImage scaled =
            squarePicture(load, indices[i]).scaled(picture, picture, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const int offset = line + (pitch - line - picture) / 2;
        p.drawImage(i * pitch + offset, offset, scaled);
    }
    return strip;
}

struct Placement {
    const char* name;
    int x, y;
};
constexpr Placement kStatePlacements[] = {
    {"WIN", 66, 41}, {"LOSE", 39, 38}, {"TIE", 78, 38}, {"GO", 94, 3}, {"PASS", 22, 0}, {"CGO", 23, 0},
};

}  // namespace

QImage contactSheet(const QString& resourceDir)
{
    const Loader load{QDir(resourceDir)};
    QImage sheet(1560, 4000, QImage::Format_RGB32);
    sheet.fill(kSheetGround);
    QPainter p(&sheet);
    int y = 8;

    // Every board picture at full size, 13 to a row.
    for (int i = 0; i <= 40; ++i)
        p.drawImage(8 + (i % 13) * 118, y + (i / 13) * 122, squarePicture(load, i));
    y += 4 * 122 + 8;

    // The same shrunk to board squares of several pitches.
    const QList<int> turning{0, 2, 3, 4, 5, 6, 1, 39, 40};
    QList<int> arrowsDark, arrowsLight;
    for (int i = 0; i < 16; ++i) {
        arrowsDark.append(7 + i);
        arrowsLight.append(23 + i);
    }
    for (int pitch : {50, 62, 100}) {
        const QImage a = boardStrip(load, turning, pitch);
        p.drawImage(8, y, a);
        if (pitch < 100) {
            const QImage b = boardStrip(load, arrowsDark, pitch);
            const QImage c = boardStrip(load, arrowsLight, pitch);
            p.drawImage(8 + a.width() + 8, y,
                        b.copy(0, 0, std::min(b.width(), sheet.width() - a.width() - 24), b.height()));
            p.drawImage(8, y + a.height() + 4, c);
            y += a.height() + 4;
        }
        y += a.height() + 8;
    }

    // A game in progress on a board of 52-pixel squares.
    const int game[8][8] = {
        {-1, -1, -1, -1, -1, -1, -1, -1}, {-1, -1, 1, -1, 0, -1, -1, -1},   {-1, -1, 0, 1, 0, 0, -1, -1},
        {-1, 1, 1, 40, 0, 29, -1, -1},    {-1, -1, 0, 4, 1, 0, -1, -1},     {-1, -1, 0, 1, 1, 12, -1, -1},
        {-1, -1, -1, 39, 1, -1, -1, -1},  {-1, -1, -1, -1, -1, -1, -1, -1},
    };
    for (int row = 0; row < 8; ++row) {
        QList<int> squares(std::begin(game[row]), std::end(game[row]));
        const QImage strip = boardStrip(load, squares, 52);
        p.drawImage(8, y + row * 52, strip.copy(0, row == 0 ? 0 : 2, strip.width(), row == 0 ? 54 : 52));
    }
    y += 8 * 52 + 14;

    // Banners on their 378 x 168 canvases over the four panel greys, then
    // shrunk as a wide and a narrow panel shrink them.
    auto stateCanvas = [&](const Placement& place, QRgb grey) {
        QImage canvas(378, 168, QImage::Format_RGB32);
        canvas.fill(grey);
        drawMasked(canvas, QPoint(place.x, place.y), load, QString::fromLatin1(place.name));
        return canvas;
    };
    for (const Placement& place : kStatePlacements) {
        for (int g = 0; g < 4; ++g)
            p.drawImage(8 + g * 382, y, stateCanvas(place, kPanelGreys[g]));
        y += 172;
    }
    for (const Placement& place : kStatePlacements) {
        for (int g = 0; g < 4; ++g) {
            const QImage canvas = stateCanvas(place, kPanelGreys[g]);
            p.drawImage(8 + g * 175, y, canvas.scaled(171, 76, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            p.drawImage(8 + 4 * 175 + g * 100, y, canvas.scaled(96, 42, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        }
        y += 80;
    }

    // Badges on the four greys at full size, and shrunk.
    for (int level = 0; level <= 6; ++level) {
        for (int g = 0; g < 4; ++g) {
            QImage canvas(72, 72, QImage::Format_RGB32);
            canvas.fill(kPanelGreys[g]);
            drawMasked(canvas, QPoint(0, 0), load, QStringLiteral("LVL%1").arg(level));
            const int x = 8 + level * 214;
            p.drawImage(x + (g % 2) * 74, y + (g / 2) * 74, canvas);
            p.drawImage(x + 150 + (g % 2) * 34, y + (g / 2) * 34,
                        canvas.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            p.drawImage(x + 150 + (g % 2) * 20, y + 74 + (g / 2) * 20,
                        canvas.scaled(17, 17, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        }
    }
    y += 160;

    // Cursors four times enlarged on green and grey, icons at every size.
    int x = 8;
    for (const char* name : {"BLACKCUR", "WHITECUR"}) {
        const QImage cursor(load.dir.filePath(QStringLiteral("cursors/%1.png").arg(QString::fromLatin1(name))));
        for (QRgb ground : {kBoardGreen, kPanelGreys[0], kPanelGreys[2]}) {
            QImage tile(32, 32, QImage::Format_RGB32);
            tile.fill(ground);
            QPainter(&tile).drawImage(0, 0, cursor);
            p.drawImage(x, y, tile.scaled(128, 128, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            x += 132;
        }
    }
    for (int size : kIconSizes) {
        const QImage icon(load.dir.filePath(QStringLiteral("icons/EXEICON_%1.png").arg(size)));
        p.fillRect(x, y, size, size, QColor(0x30, 0x30, 0x38));
        p.drawImage(x, y, icon);
        p.fillRect(x, y + size + 4, size, size, QColor(0xE8, 0xE8, 0xE8));
        if (size <= 128)
            p.drawImage(x, y + size + 4, icon);
        x += size + 6;
    }
    p.end();
    return sheet.copy(0, 0, sheet.width(), y + 2 * 128 + 20);
}

}  // namespace artwork
