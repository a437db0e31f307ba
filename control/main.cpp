#include <QApplication>

#include "control/application.h"
#include "control/command_line.h"

int main(int argc, char** argv)
{
    if (const std::optional<int> status = AnswerCommandLine(argc, argv))
        return *status;
    QApplication application(argc, argv);
    InitInstance();
    return QApplication::exec();
}
