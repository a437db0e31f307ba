// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/timing_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QInputEvent>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace platform {

void TimingProbe::InstallIfAsked()
{
    if (qEnvironmentVariableIsEmpty("QUELLIX_TIMING_PROBE"))
        return;
    auto* probe = new TimingProbe;
    probe->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(probe);
}

qint64 TimingProbe::SinceInput() const
{
    return sinceInput_.isValid() ? sinceInput_.nsecsElapsed() : 0;
}

bool TimingProbe::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
        // A press comes to several receivers (a key first as a possible
        // shortcut, which may take it): the first delivery of each new press,
        // known by its time stamp, is the moment of the press.
        if (const auto* input = static_cast<QInputEvent*>(event);
            event->spontaneous() && input->timestamp() != lastInput_) {
            lastInput_ = input->timestamp();
            sinceInput_.start();
        }
        break;
    case QEvent::Expose: {
        auto* window = qobject_cast<QWindow*>(watched);
        if (window == nullptr || !window->isExposed() || window == firstWindow_ || shownWindows_.contains(window))
            break;
        if (firstWindow_ == nullptr) {
            firstWindow_ = window;
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::fprintf(stderr, "mapped %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stderr);
            break;
        }
        // A menu or dialog window comes and goes; each showing counts.
        shownWindows_.insert(window);
        connect(window, &QWindow::visibleChanged, this, [this, window](bool visible) {
            if (!visible)
                shownWindows_.remove(window);
        });
        const QWidget* widget = QWidget::find(window->winId());
        std::fprintf(stderr, "window %s %.3f\n", widget != nullptr ? widget->metaObject()->className() : "?",
                     static_cast<double>(SinceInput()) / 1e6);
        std::fflush(stderr);
        break;
    }
    case QEvent::Paint:
        if (auto* widget = qobject_cast<QWidget*>(watched);
            widget != nullptr && widget->window()->windowHandle() == firstWindow_) {
            std::fprintf(stderr, "paint %s %.3f\n", widget->metaObject()->className(),
                         static_cast<double>(SinceInput()) / 1e6);
            std::fflush(stderr);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace platform
