// SPDX-License-Identifier: GPL-3.0-or-later
// The artwork generator: every picture of the game is drawn here by code.
//
// Named pictures are first drawn as "sheets": QImage::Format_ARGB32 where a
// pixel is either fully opaque (alpha 255, its final colour) or fully
// transparent (alpha 0). toMaskedPair() turns a sheet into the stored pair:
// an 8-bit indexed colour picture and a 1-bit mask (black = opaque).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>

#include <vector>

namespace artwork {

// Colours the pictures are drawn against or must contain exactly.
inline constexpr QRgb kBoardGreen = 0xFF69BD8C;
inline constexpr QRgb kDarkDisc = 0xFF080808;
inline constexpr QRgb kLightDisc = 0xFFF1F1F1;
inline constexpr QRgb kArrowLight = 0xFFFF3366;
inline constexpr QRgb kArrowMid = 0xFFCC3366;
inline constexpr QRgb kArrowShadow = 0xFF993333;
inline constexpr QRgb kWhite = 0xFFFFFFFF;

// A colour picture and its mask, as stored in the resources.
struct MaskedPair {
    QImage colour;  // Format_Indexed8, white wherever the mask is white
    QImage mask;    // Format_Mono, index 0 black (opaque), index 1 white
};

// A named picture before it is stored: sheet as described above.
struct NamedSheet {
    QString name;
    QImage sheet;
};

// Reduces a sheet to at most 256 colours (white and every colour of `keep`
// among them, exactly) and splits it into colour picture and mask.
MaskedPair toMaskedPair(const QImage& sheet, const QList<QRgb>& keep = {});

// The colour picture of a sheet with the given colour table (white first):
// every opaque pixel takes its nearest entry, every transparent one white.
QImage reduceToTable(const QImage& sheet, const QList<QRgb>& table);

// Builds a colour table of at most maxColours entries for the opaque pixels
// of a sheet by median cut; exact when the sheet has few enough colours.
QList<QRgb> medianCutPalette(const QImage& sheet, int maxColours);

// Turns an antialiased premultiplied drawing into a sheet: pixels with at
// least `threshold` alpha become opaque in their own (unblended) colour,
// the rest transparent.
QImage hardenAlpha(const QImage& drawing, int threshold = 128);

// Every picture is drawn from its design at a scale of 1 (the sizes below)
// or 2: twice the width and height, drawn again at the finer resolution, not
// enlarged, for screens with a device pixel ratio above 1.

// The disc turning over, frame 0 (dark face) to 6 (light face), 120 x 120.
QImage discFrame(int frame, int scale = 1);
// The red pointer, frame 1 (up) to 16, turned (frame - 1) * 22.5 degrees
// clockwise, 113 x 113.
QImage arrowFrame(int frame, int scale = 1);
// The pointer's hub alone, 113 x 113.
QImage centreMark(int scale = 1);
// The level badges: 0 the human, 1 to 6 the robot's level, 72 x 72.
QImage levelBadge(int level, int scale = 1);
// The state banners, by name: WIN, LOSE, TIE, GO, CGO, PASS.
QImage banner(const QString& name, int scale = 1);

// Mouse cursors, 32 x 32 ARGB with only opaque black, opaque white and fully
// transparent pixels; the disc is centred on the hot spot (15, 15). At scale
// 2 they are 64 x 64 with the hot spot at the same point, (30, 30), and
// outline and ring two pixels wide.
QImage discCursor(bool blackDisc, int scale = 1);
inline constexpr int kCursorHotSpot = 15;
inline constexpr int kCursorHotSpot2x = 2 * kCursorHotSpot;

// The application icon at one size, ARGB premultiplied, antialiased. The
// sizes include 96 and 512, which a screen of ratio 2 asks for in place of
// 48 and 256.
QImage appIcon(int size);
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 96, 128, 256, 512};
// The scalable icon: the drawing of the 256-pixel icon as an SVG document,
// whose view box is that size.
inline constexpr int kScalableIconSize = 256;
QByteArray appIconSvg();

// Every named picture (without BIT/MASK suffix) with its sheet.
std::vector<NamedSheet> allNamedSheets(int scale = 1);

// The file name of a named picture's colour picture or mask, of a cursor:
// "COU0BIT.png", "COU0MASK.png", "BLACKCUR.png" at scale 1 and
// "COU0BIT@2x.png", "COU0MASK@2x.png", "BLACKCUR@2x.png" at scale 2.
QString colourFileName(const QString& name, int scale);
QString maskFileName(const QString& name, int scale);
QString cursorFileName(const QString& name, int scale);

// A contact sheet of the pictures stored below resourceDir, composited
// the way the game shows them, for looking at them; at scale 2 the same
// sheet twice as large, made of the double-resolution pictures.
QImage contactSheet(const QString& resourceDir, int scale = 1);

// Writes every picture below outDir (pictures/, cursors/, icons/), at both
// scales, and the scalable icon as icons/EXEICON.svg. Returns false and fills
// *error when a file cannot be written.
bool writeAll(const QString& outDir, QString* error);

}  // namespace artwork
