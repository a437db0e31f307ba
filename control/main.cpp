#include <QApplication>

#include "control/application.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    InitInstance();
    return QApplication::exec();
}
