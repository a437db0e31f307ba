// SPDX-License-Identifier: GPL-3.0-or-later
// The language the program speaks: its own catalogue for the user's language
// where it has one, with Qt's catalogue for the same language beside it (the
// standard buttons, the command line's help). Otherwise it speaks English,
// the language its texts are written in.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace platform {

class Translations {
public:
    // Goes through the locale's languages in the user's order of preference
    // (QLocale::uiLanguages, which honours LANGUAGE) and installs the
    // catalogues of the first one the program has a catalogue for; English,
    // met first, needs none. The application object must exist already, and
    // texts made before this stay untranslated: make it before any menu,
    // dialog or help text. Destroying it uninstalls the catalogues.
    explicit Translations(const QLocale& locale = QLocale::system());
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language of the installed catalogue ("de", "fr", "nl"), or an empty
    // string when the program speaks English.
    QString Language() const;

private:
    QTranslator program_;
    QTranslator qt_;
};

}  // namespace platform
