// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line: --help and --version are answered before any
// window system is needed; everything else is left to Qt and the game.
#pragma once

#include <QStringList>

#include <optional>

// What the command line asks of the program.
enum class CommandLineRequest { Play, ShowHelp, ShowVersion };

// Reads the arguments, the program's name first. Options of Qt's own, such as
// -platform or -reverse, are not ours: they ask for nothing here and are left
// for QApplication to read.
CommandLineRequest ReadCommandLine(const QStringList& arguments);

// The game file the command line names (its one word that is not an
// option), or an empty string. Read from QCoreApplication::arguments(), from
// which Qt has taken its own options and their values.
QString GameFileArgument(const QStringList& arguments);

// Prints the help or the version on standard output and returns the exit
// status when the command line asks for one of them; returns nothing when the
// game is to start. Creates no GUI object, so it works without a display.
std::optional<int> AnswerCommandLine(int argc, char** argv);
