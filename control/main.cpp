#include <QApplication>
#include <QPointer>

#include "control/application.h"
#include "control/command_line.h"
#include "control/game_window.h"
#include "platform/termination_signals.h"

int main(int argc, char** argv)
{
    if (const std::optional<int> status = AnswerCommandLine(argc, argv))
        return *status;
    QApplication application(argc, argv);
    const QPointer<GameWindow> window = InitInstance();
    const auto endOnSignal = EndInOrderOnSignals(window, [] { QCoreApplication::exit(0); });
    SaveKindsOnLogout(window);
    const int status = QApplication::exec();
    // A window closed by the user has deleted itself; one left open by an end
    // on a signal is deleted here.
    delete window.data();
    return status;
}
