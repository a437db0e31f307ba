// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QPointer>
#include <QTimer>

#include "control/application.h"
#include "control/command_line.h"
#include "control/game_window.h"
#include "platform/termination_signals.h"
#include "platform/timing_probe.h"
#include "platform/translations.h"

int main(int argc, char** argv)
{
    if (const std::optional<int> status = AnswerCommandLine(argc, argv))
        return *status;
    QApplication application(argc, argv);
    platform::TimingProbe::InstallIfAsked();
    // In the user's language from the first text on.
    const platform::Translations translations;
    const QPointer<GameWindow> window = InitInstance();
    // A game named on the command line opens once the window is on the
    // screen, so that a message about a bad file stands in front of it.
    if (const QString game = GameFileArgument(QCoreApplication::arguments()); !game.isEmpty())
        QTimer::singleShot(0, window, [window, game] { window->OpenGameFile(game); });
    const auto endOnSignal = EndInOrderOnSignals(window, [] { QCoreApplication::exit(0); });
    SaveKindsOnLogout(window);
    EndInOrderWhenTheDisplayGoes(window);
    const int status = QApplication::exec();
    // A window closed by the user has deleted itself; one left open by an end
    // on a signal is deleted here.
    delete window.data();
    return status;
}
