// SPDX-License-Identifier: GPL-3.0-or-later
// quellix-artwork OUTDIR: draws every picture of the game into OUTDIR.
// quellix-artwork --sheet RESOURCEDIR SHEET.png: a contact sheet of them.
// quellix-artwork --sheet2x RESOURCEDIR SHEET.png: the same of the pictures
// drawn at double resolution.
#include "artwork.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && (args.at(1) == QLatin1String("--sheet") || args.at(1) == QLatin1String("--sheet2x"))) {
        const int scale = args.at(1) == QLatin1String("--sheet2x") ? 2 : 1;
        if (!artwork::contactSheet(args.at(2), scale).save(args.at(3), "PNG")) {
            std::fprintf(stderr, "quellix-artwork: cannot write %s\n", qPrintable(args.at(3)));
            return 1;
        }
        return 0;
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: quellix-artwork OUTDIR\n"
                             "       quellix-artwork --sheet RESOURCEDIR SHEET.png\n"
                             "       quellix-artwork --sheet2x RESOURCEDIR SHEET.png\n");
        return 2;
    }
    QString error;
    if (!artwork::writeAll(args.at(1), &error)) {
        std::fprintf(stderr, "quellix-artwork: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
