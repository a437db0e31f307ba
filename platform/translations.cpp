// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace platform {

namespace {

// Where the build puts the compiled catalogues of translations/quellix_*.ts.
const QString PROGRAM_CATALOGUES = QStringLiteral(":/i18n");

}  // namespace

Translations::Translations(const QLocale& locale)
{
    bool found = false;
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English)
            return;
        found = program_.load(language, QStringLiteral("quellix"), QStringLiteral("_"), PROGRAM_CATALOGUES);
        if (found)
            break;
    }
    if (!found)
        return;
    QCoreApplication::installTranslator(&program_);
    // Qt's texts in our language, not in another one the user named before
    // it that only Qt has a catalogue for: the window speaks one language.
    if (qt_.load(QLocale(program_.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

QString Translations::Language() const
{
    return program_.filePath().isEmpty() ? QString() : program_.language();
}

}  // namespace platform
