// SPDX-License-Identifier: GPL-3.0-or-later
// Another process for the settings tests, as a second running instance of the
// program would be:
//
//   settings_helper hold LOCK_FILE MS
//       takes the lock, prints "locked", keeps it MS milliseconds (MS < 0:
//       until its standard input closes), then lets go of it.
//   settings_helper write SETTINGS_FILE WRITER COUNT
//       writes COUNT times, i = 1 to COUNT: Player1Level and Player2Level
//       both WRITER * 1000 + i, and WriterWRITER = i, all in one write;
//       prints "written SUCCEEDED last LAST_I_WRITTEN".
#include <QCoreApplication>
#include <QLockFile>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/settings.h"

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "hold") == 0) {
        QLockFile lock(QString::fromLocal8Bit(argv[2]));
        if (!lock.tryLock(10000))
            return 1;
        std::printf("locked\n");
        std::fflush(stdout);
        const int ms = std::atoi(argv[3]);
        if (ms >= 0) {
            QThread::msleep(static_cast<unsigned long>(ms));
        } else {
            while (std::fgetc(stdin) != EOF) {
            }
        }
        lock.unlock();
        return 0;
    }
    if (argc == 5 && std::strcmp(argv[1], "write") == 0) {
        const QString file = QString::fromLocal8Bit(argv[2]);
        const int writer = std::atoi(argv[3]);
        const int count = std::atoi(argv[4]);
        int succeeded = 0;
        int last = 0;
        for (int i = 1; i <= count; ++i) {
            const int pair = writer * 1000 + i;
            const platform::SettingInt entries[] = {{QStringLiteral("Player1Level"), pair},
                                                    {QStringLiteral("Player2Level"), pair},
                                                    {QStringLiteral("Writer%1").arg(writer), i}};
            if (platform::WriteSettingInts(file, QStringLiteral("Settings"), entries)) {
                ++succeeded;
                last = i;
            }
        }
        std::printf("written %d last %d\n", succeeded, last);
        return 0;
    }
    std::fprintf(stderr, "usage: settings_helper hold LOCK_FILE MS | write SETTINGS_FILE WRITER COUNT\n");
    return 2;
}
