// SPDX-License-Identifier: GPL-3.0-or-later
// The languages the program speaks, for tests that go through all of them:
// English, its own, and each one whose catalogue the build compiled in.
#pragma once

#include <QDir>
#include <QStringList>
#include <string>
#include <vector>

inline std::vector<std::string> ProgramLanguages(bool withEnglish = true)
{
    std::vector<std::string> languages;
    if (withEnglish)
        languages.emplace_back("en");
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("quellix_*.qm")}))
        languages.push_back(file.sliced(8, file.size() - 11).toStdString());  // quellix_LANG.qm
    return languages;
}
