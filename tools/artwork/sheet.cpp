// SPDX-License-Identifier: GPL-3.0-or-later
// A contact sheet for looking at the stored pictures the way the game shows
// them: every pair composited through its mask (target OR NOT mask, then
// AND picture) onto the grounds it really appears on, at full size and
// shrunk without blending as the board and the panels shrink them.
//
// At scale 2 the sheet is laid out the same, twice as large, from the
// double-resolution pictures: every position and size is multiplied by the
// scale, and the board strips follow the board's rules at their doubled
// size, as a screen of ratio 2 would show them.
#include "artwork.h"

#include <QDir>
#include <QFont>
#include <QPainter>

namespace artwork {
namespace {

constexpr QRgb kPanelGreys[] = {0xFF949494, 0xFF808080, 0xFFF0F0F0, 0xFFE0E0E0};
constexpr QRgb kSheetGround = 0xFF806040;

// Loads the stored pictures of one scale. The image reader marks files whose
// names end in "@2x" as having a device pixel ratio of 2, which would make a
// painter draw them at half their size; here every pixel counts, so they are
// taken as plain pixel grids.
struct Loader {
    QDir dir;
    int scale;
    QImage file(const QString& path) const
    {
        QImage image(dir.filePath(path));
        image.setDevicePixelRatio(1);
        return image;
    }
    QImage colour(const QString& name) const { return file(QStringLiteral("pictures/") + colourFileName(name, scale)); }
    QImage mask(const QString& name) const { return file(QStringLiteral("pictures/") + maskFileName(name, scale)); }
    QImage cursor(const QString& name) const { return file(QStringLiteral("cursors/") + cursorFileName(name, scale)); }
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
    const int s = load.scale;
    QImage canvas(120 * s, 120 * s, QImage::Format_RGB32);
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
        drawMasked(canvas, QPoint(4 * s, 4 * s), load, QStringLiteral("ARROW%1").arg(n, 2, 10, QLatin1Char('0')));
    } else {
        disc(index == 40);
        drawMasked(canvas, QPoint(4 * s, 4 * s), load, QStringLiteral("CENTER"));
    }
    return canvas;
}

int gridLine(int pitch)
{
    return std::max(1, pitch * 8 / 160);
}

// A strip of board with squares of the given pitch showing pictures.
QImage boardStrip(const Loader& load, const QList<int>& indices, int pitch)
{
    const int line = gridLine(pitch);
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

QImage contactSheet(const QString& resourceDir, int scale)
{
    const int s = scale;
    const Loader load{QDir(resourceDir), s};
    QImage sheet(1560 * s, 4000 * s, QImage::Format_RGB32);
    sheet.fill(kSheetGround);
    QPainter p(&sheet);
    int y = 8 * s;

    // Every board picture at full size, 13 to a row.
    for (int i = 0; i <= 40; ++i)
        p.drawImage((8 + (i % 13) * 118) * s, y + (i / 13) * 122 * s, squarePicture(load, i));
    y += (4 * 122 + 8) * s;

    // The same shrunk to board squares of several pitches.
    const QList<int> turning{0, 2, 3, 4, 5, 6, 1, 39, 40};
    QList<int> arrowsDark, arrowsLight;
    for (int i = 0; i < 16; ++i) {
        arrowsDark.append(7 + i);
        arrowsLight.append(23 + i);
    }
    for (int pitch : {50, 62, 100}) {
        const QImage a = boardStrip(load, turning, pitch * s);
        p.drawImage(8 * s, y, a);
        if (pitch < 100) {
            const QImage b = boardStrip(load, arrowsDark, pitch * s);
            const QImage c = boardStrip(load, arrowsLight, pitch * s);
            p.drawImage(8 * s + a.width() + 8 * s, y,
                        b.copy(0, 0, std::min(b.width(), sheet.width() - a.width() - 24 * s), b.height()));
            p.drawImage(8 * s, y + a.height() + 4 * s, c);
            y += a.height() + 4 * s;
        }
        y += a.height() + 8 * s;
    }

    // A game in progress on a board of 52-pixel squares.
    const int game[8][8] = {
        {-1, -1, -1, -1, -1, -1, -1, -1}, {-1, -1, 1, -1, 0, -1, -1, -1},   {-1, -1, 0, 1, 0, 0, -1, -1},
        {-1, 1, 1, 40, 0, 29, -1, -1},    {-1, -1, 0, 4, 1, 0, -1, -1},     {-1, -1, 0, 1, 1, 12, -1, -1},
        {-1, -1, -1, 39, 1, -1, -1, -1},  {-1, -1, -1, -1, -1, -1, -1, -1},
    };
    const int pitch = 52 * s;
    const int line = gridLine(pitch);
    for (int row = 0; row < 8; ++row) {
        QList<int> squares(std::begin(game[row]), std::end(game[row]));
        const QImage strip = boardStrip(load, squares, pitch);
        // Each strip after the first starts below the line they share.
        p.drawImage(8 * s, y + row * pitch,
                    strip.copy(0, row == 0 ? 0 : line, strip.width(), row == 0 ? pitch + line : pitch));
    }
    y += 8 * pitch + 14 * s;

    // Banners on their 378 x 168 canvases over the four panel greys, then
    // shrunk as a wide and a narrow panel shrink them.
    auto stateCanvas = [&](const Placement& place, QRgb grey) {
        QImage canvas(378 * s, 168 * s, QImage::Format_RGB32);
        canvas.fill(grey);
        drawMasked(canvas, QPoint(place.x * s, place.y * s), load, QString::fromLatin1(place.name));
        return canvas;
    };
    for (const Placement& place : kStatePlacements) {
        for (int g = 0; g < 4; ++g)
            p.drawImage((8 + g * 382) * s, y, stateCanvas(place, kPanelGreys[g]));
        y += 172 * s;
    }
    for (const Placement& place : kStatePlacements) {
        for (int g = 0; g < 4; ++g) {
            const QImage canvas = stateCanvas(place, kPanelGreys[g]);
            p.drawImage((8 + g * 175) * s, y,
                        canvas.scaled(171 * s, 76 * s, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            p.drawImage((8 + 4 * 175 + g * 100) * s, y,
                        canvas.scaled(96 * s, 42 * s, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        }
        y += 80 * s;
    }

    // Badges on the four greys at full size, and shrunk.
    for (int level = 0; level <= 6; ++level) {
        for (int g = 0; g < 4; ++g) {
            QImage canvas(72 * s, 72 * s, QImage::Format_RGB32);
            canvas.fill(kPanelGreys[g]);
            drawMasked(canvas, QPoint(0, 0), load, QStringLiteral("LVL%1").arg(level));
            const int x = (8 + level * 214) * s;
            p.drawImage(x + (g % 2) * 74 * s, y + (g / 2) * 74 * s, canvas);
            p.drawImage(x + (150 + (g % 2) * 34) * s, y + (g / 2) * 34 * s,
                        canvas.scaled(32 * s, 32 * s, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            p.drawImage(x + (150 + (g % 2) * 20) * s, y + (74 + (g / 2) * 20) * s,
                        canvas.scaled(17 * s, 17 * s, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        }
    }
    y += 160 * s;

    // Cursors enlarged to 128 units on green and grey, icons at every size
    // (at scale 2 the icon a screen of ratio 2 takes for each size).
    int x = 8 * s;
    for (const char* name : {"BLACKCUR", "WHITECUR"}) {
        const QImage cursor = load.cursor(QString::fromLatin1(name));
        for (QRgb ground : {kBoardGreen, kPanelGreys[0], kPanelGreys[2]}) {
            QImage tile(32 * s, 32 * s, QImage::Format_RGB32);
            tile.fill(ground);
            QPainter(&tile).drawImage(0, 0, cursor);
            p.drawImage(x, y, tile.scaled(128 * s, 128 * s, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            x += 132 * s;
        }
    }
    for (int logical : {16, 24, 32, 48, 64, 128, 256}) {
        const int size = logical * s;
        const QImage icon = load.file(QStringLiteral("icons/EXEICON_%1.png").arg(size));
        p.fillRect(x, y, size, size, QColor(0x30, 0x30, 0x38));
        p.drawImage(x, y, icon);
        p.fillRect(x, y + size + 4 * s, size, size, QColor(0xE8, 0xE8, 0xE8));
        if (logical <= 128)
            p.drawImage(x, y + size + 4 * s, icon);
        x += size + 6 * s;
    }
    p.end();
    return sheet.copy(0, 0, sheet.width(), y + (2 * 128 + 20) * s);
}

}  // namespace artwork
