// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the program as a player feels them, for the window benchmarks
// (benchmarks/window_timings.sh). With QUELLIX_TIMING_PROBE set in the
// environment, it writes one line to standard error for each of:
//
//   mapped <ns>             the first window is on the screen: the wall clock
//                           (CLOCK_REALTIME) in nanoseconds, which the
//                           script compares with the time it started the
//                           program;
//   window <class> <ms>     another window (a menu, a dialog) is on the
//                           screen, milliseconds after the last key or button
//                           press;
//   paint <class> <ms>      a widget of the first window has painted,
//                           milliseconds after the last key or button press.
//
// Without the variable it does nothing and costs nothing.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSet>

namespace platform {

class TimingProbe : public QObject {
public:
    // Watches the whole application when the variable is set.
    static void InstallIfAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TimingProbe() = default;
    qint64 SinceInput() const;

    QElapsedTimer sinceInput_;
    quint64 lastInput_ = 0;
    QObject* firstWindow_ = nullptr;
    QSet<QObject*> shownWindows_;
};

}  // namespace platform
