// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: which arguments ask for help or the version, the real
// program answering them without any display, and the version the About box
// shows.
#include <QLabel>
#include <QProcess>
#include <gtest/gtest.h>

#include "control/about_dialog.h"
#include "control/command_line.h"
#include "quellix_version.h"

namespace {

struct CommandLineCase {
    QStringList arguments;  // after the program's name
    CommandLineRequest request;
};

void PrintTo(const CommandLineCase& c, std::ostream* out)
{
    *out << '[' << c.arguments.join(QStringLiteral("] [")).toStdString() << ']';
}

class ReadsCommandLine : public testing::TestWithParam<CommandLineCase> {};

TEST_P(ReadsCommandLine, AsTheRequestItMakes)
{
    EXPECT_EQ(ReadCommandLine(QStringList{QStringLiteral("quellix")} + GetParam().arguments), GetParam().request);
}

using R = CommandLineRequest;
INSTANTIATE_TEST_SUITE_P(Arguments, ReadsCommandLine,
                         testing::Values(CommandLineCase{{}, R::Play}, CommandLineCase{{"--help"}, R::ShowHelp},
                                         CommandLineCase{{"-h"}, R::ShowHelp},
                                         CommandLineCase{{"--version"}, R::ShowVersion},
                                         CommandLineCase{{"-v"}, R::ShowVersion},
                                         // The version wins over the help, as in Qt's own programs.
                                         CommandLineCase{{"--help", "--version"}, R::ShowVersion},
                                         // Qt's options go to QApplication, and their letters are
                                         // no short options of ours: -reverse holds a 'v',
                                         // -stylesheet an 'h'.
                                         CommandLineCase{{"-platform", "offscreen"}, R::Play},
                                         CommandLineCase{{"-reverse"}, R::Play},
                                         CommandLineCase{{"-stylesheet", "a.qss"}, R::Play},
                                         // Anything else does not stop the game from starting,
                                         // nor hide a request for help.
                                         CommandLineCase{{"--nonsense"}, R::Play}, CommandLineCase{{"word"}, R::Play},
                                         CommandLineCase{{"--nonsense", "--help"}, R::ShowHelp},
                                         // After "--" every argument is a word.
                                         CommandLineCase{{"--", "--help"}, R::Play}));

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs the built program with no display of any kind in its environment,
// in the language of `lang` and `language` (LANG and LANGUAGE; English when
// not given).
ProgramRun RunWithoutDisplay(const QStringList& arguments, const char* lang = "C.UTF-8", const char* language = "")
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
    if (*language != '\0')
        environment.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(language));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUELLIX_PROGRAM), arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

TEST(CommandLine, HelpAndVersionNeedNoDisplay)
{
    const ProgramRun version = RunWithoutDisplay({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, QStringLiteral("quellix " QUELLIX_VERSION "\n"));

    const ProgramRun help = RunWithoutDisplay({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: "))) << help.out.toStdString();
    for (const char* option : {"-h, --help", "-v, --version", "Reversi"})
        EXPECT_TRUE(help.out.contains(QString::fromLatin1(option))) << option;
    EXPECT_EQ(help.err, QString());
}

struct HelpLanguageCase {
    const char* lang;
    const char* language;
    const char* options;  // Qt's heading, from its catalogue
    const char* help;     // ours
};

void PrintTo(const HelpLanguageCase& c, std::ostream* out)
{
    *out << "LANG=" << c.lang << " LANGUAGE=" << c.language;
}

class HelpLanguage : public testing::TestWithParam<HelpLanguageCase> {};

TEST_P(HelpLanguage, IsTheUsersWithoutAnyDisplay)
{
    const ProgramRun help = RunWithoutDisplay({QStringLiteral("--help")}, GetParam().lang, GetParam().language);
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("\n%1\n").arg(QString::fromUtf8(GetParam().options))))
        << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QString::fromUtf8(GetParam().help))) << help.out.toStdString();
    EXPECT_EQ(help.err, QString());
}

INSTANTIATE_TEST_SUITE_P(
    Locales, HelpLanguage,
    testing::Values(HelpLanguageCase{"de_DE.UTF-8", "", "Optionen:", "-h, --help     Zeigt diese Hilfe"},
                    HelpLanguageCase{"fr_FR.UTF-8", "", "Options :", "-h, --help     Affiche cette aide"},
                    HelpLanguageCase{"nl_BE.UTF-8", "", "Opties:", "-h, --help     Toont deze hulp"},
                    // The user's first language that the program speaks, English
                    // included, and Qt's texts in that language too.
                    HelpLanguageCase{"de_DE.UTF-8", "en:de", "Options:", "-h, --help     Show this help"},
                    HelpLanguageCase{"es_ES.UTF-8", "es:fr", "Options :", "Affiche cette aide"},
                    HelpLanguageCase{"pt_BR.UTF-8", "", "Options:", "Show this help"}));

// The About box reads as it always has, though its version now comes from
// the build; change this line with each release.
TEST(CommandLine, AboutBoxShowsTheSameVersionAsTheProgram)
{
    AboutDialog about(nullptr);
    QStringList texts;
    for (const QLabel* label : about.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Version 2.1, April 2001"))) << texts.join('|').toStdString();
}

}  // namespace
