// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

#include "platform/translations.h"
#include "quellix_version.h"

namespace {

// The words of the help text, all of them here; Qt's catalogue has the rest
// ("Usage:", "Options:").
const char* const CONTEXT = "CommandLine";
//: quellix --help: what the program is. Lines of 76 characters at most.
const char* const DESCRIPTION =
    QT_TRANSLATE_NOOP("CommandLine", "Reversi on an 8 by 8 board. Each of the two players is a human who plays\n"
                                     "with the mouse or a robot of level 1 to 6.");
const char* const HELP_OPTION = QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit.");
const char* const VERSION_OPTION = QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit.");
//: quellix --help: the word that names the file argument, and what it is.
const char* const GAME_ARGUMENT = QT_TRANSLATE_NOOP("CommandLine", "GAME");
const char* const GAME_DESCRIPTION =
    QT_TRANSLATE_NOOP("CommandLine", "A game to open: a GGF record, a transcript or a position.");

QString Translated(const char* text)
{
    return QCoreApplication::translate(CONTEXT, text);
}

struct Options {
    Options()
    {
        // "-reverse" is one of Qt's options, not -r -e -v ...: single-dash
        // words are read whole.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(Translated(DESCRIPTION));
        parser.addOption(help);
        parser.addOption(version);
        parser.addPositionalArgument(Translated(GAME_ARGUMENT), Translated(GAME_DESCRIPTION),
                                     QStringLiteral("[%1]").arg(Translated(GAME_ARGUMENT)));
    }
    QCommandLineParser parser;
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, Translated(HELP_OPTION)};
    const QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}, Translated(VERSION_OPTION)};
};

}  // namespace

CommandLineRequest ReadCommandLine(const QStringList& arguments)
{
    Options options;
    // Unknown options and words make parse() report an error; they are
    // Qt's or nobody's, and neither stops the game from starting.
    options.parser.parse(arguments);
    if (options.parser.isSet(options.version))
        return CommandLineRequest::ShowVersion;
    if (options.parser.isSet(options.help))
        return CommandLineRequest::ShowHelp;
    return CommandLineRequest::Play;
}

QString GameFileArgument(const QStringList& arguments)
{
    Options options;
    options.parser.parse(arguments);
    const QStringList words = options.parser.positionalArguments();
    return words.isEmpty() ? QString() : words.constFirst();
}

std::optional<int> AnswerCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    switch (ReadCommandLine(arguments)) {
    case CommandLineRequest::Play:
        return std::nullopt;
    case CommandLineRequest::ShowVersion:
        std::printf("quellix %s\n", QUELLIX_VERSION);
        return 0;
    case CommandLineRequest::ShowHelp: {
        // The help text names the program as it was called, which Qt takes
        // from the application object; a core one needs no display. It is
        // in the user's language.
        int coreArgc = argc;
        const QCoreApplication core(coreArgc, argv);
        const platform::Translations translations;
        Options options;
        options.parser.parse(arguments);
        std::fputs(options.parser.helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    }
    return std::nullopt;
}
