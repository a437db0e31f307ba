// SPDX-License-Identifier: GPL-3.0-or-later
// The list of every picture and writing them out.
#include "artwork.h"

#include <QDir>
#include <QFile>

namespace artwork {

std::vector<NamedSheet> allNamedSheets(int scale)
{
    std::vector<NamedSheet> sheets;
    for (int i = 0; i <= 6; ++i)
        sheets.push_back({QStringLiteral("COU%1").arg(i), discFrame(i, scale)});
    for (int i = 1; i <= 16; ++i)
        sheets.push_back({QStringLiteral("ARROW%1").arg(i, 2, 10, QLatin1Char('0')), arrowFrame(i, scale)});
    sheets.push_back({QStringLiteral("CENTER"), centreMark(scale)});
    for (int i = 0; i <= 6; ++i)
        sheets.push_back({QStringLiteral("LVL%1").arg(i), levelBadge(i, scale)});
    for (const char* name : {"GO", "CGO", "PASS", "WIN", "LOSE", "TIE"})
        sheets.push_back({QString::fromLatin1(name), banner(QString::fromLatin1(name), scale)});
    return sheets;
}

namespace {

QString withScale(const QString& base, int scale)
{
    return scale == 1 ? base + QStringLiteral(".png") : base + QStringLiteral("@%1x.png").arg(scale);
}

bool save(const QImage& image, const QString& path, QString* error)
{
    if (image.isNull() || !image.save(path, "PNG")) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool saveBytes(const QByteArray& bytes, const QString& path, QString* error)
{
    QFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

}  // namespace

QString colourFileName(const QString& name, int scale)
{
    return withScale(name + QStringLiteral("BIT"), scale);
}

QString maskFileName(const QString& name, int scale)
{
    return withScale(name + QStringLiteral("MASK"), scale);
}

QString cursorFileName(const QString& name, int scale)
{
    return withScale(name, scale);
}

bool writeAll(const QString& outDir, QString* error)
{
    const QDir root(outDir);
    for (const char* sub : {"pictures", "cursors", "icons"}) {
        if (!root.mkpath(QString::fromLatin1(sub))) {
            if (error)
                *error = QStringLiteral("cannot create %1/%2").arg(outDir, QString::fromLatin1(sub));
            return false;
        }
    }
    const QList<QRgb> keep{kBoardGreen, kDarkDisc, kLightDisc, kArrowLight, kArrowMid, kArrowShadow};
    for (int scale : {1, 2}) {
        for (const NamedSheet& named : allNamedSheets(scale)) {
            const MaskedPair pair = toMaskedPair(named.sheet, keep);
            if (!save(pair.colour, root.filePath(QStringLiteral("pictures/") + colourFileName(named.name, scale)),
                      error) ||
                !save(pair.mask, root.filePath(QStringLiteral("pictures/") + maskFileName(named.name, scale)), error))
                return false;
        }
        for (bool black : {true, false}) {
            const QString name = QString::fromLatin1(black ? "BLACKCUR" : "WHITECUR");
            if (!save(discCursor(black, scale), root.filePath(QStringLiteral("cursors/") + cursorFileName(name, scale)),
                      error))
                return false;
        }
    }
    for (int size : kIconSizes)
        if (!save(appIcon(size), root.filePath(QStringLiteral("icons/EXEICON_%1.png").arg(size)), error))
            return false;
    return saveBytes(appIconSvg(), root.filePath(QStringLiteral("icons/EXEICON.svg")), error);
}

}  // namespace artwork
