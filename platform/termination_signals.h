// SPDX-License-Identifier: GPL-3.0-or-later
// The signals that ask a program to end (SIGTERM at logout, shutdown or
// `kill`, SIGHUP when the terminal or session goes away, SIGINT on Ctrl+C),
// turned into an ordinary call on the window thread, where the program can
// end in order.
#pragma once

#include <csignal>
#include <functional>
#include <iterator>
#include <memory>

class QSocketNotifier;

namespace platform {

class TerminationSignals {
public:
    using Handler = std::function<void(int signal)>;

    // The signals handled, in the order their former actions are kept.
    static constexpr int SIGNALS[] = {SIGTERM, SIGHUP, SIGINT};

    // From now on the first of SIGNALS to arrive calls `handler` with its
    // number on the thread that makes this object, from its event loop,
    // instead of ending the process; any number of signals after it, however
    // fast they come, are absorbed without another call. The signal handler
    // itself only writes one byte to a pipe. At most one such object exists
    // at a time.
    explicit TerminationSignals(Handler handler);
    // Gives the signals back their former actions.
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // False when the pipe or a handler could not be set up; the signals then
    // keep their former actions.
    bool IsInstalled() const { return installed_; }

private:
    void Deliver();

    Handler handler_;
    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction former_[std::size(SIGNALS)] = {};
    bool replaced_[std::size(SIGNALS)] = {};
    bool installed_ = false;
    bool delivered_ = false;
};

}  // namespace platform
