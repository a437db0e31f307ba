// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/termination_signals.h"

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

// The pipe's write end for the signal handler; -1 while no object exists.
std::atomic<int> signalPipe{-1};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs a lock-free atomic");

// Async-signal-safe: one non-blocking write, errno left as it was. A full pipe
// drops the byte, which is harmless: the bytes already in it end the program.
extern "C" void WriteSignalByte(int signal)
{
    const int savedErrno = errno;
    const int fd = signalPipe.load(std::memory_order_relaxed);
    if (fd >= 0) {
        const auto byte = static_cast<unsigned char>(signal);
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(Handler handler) : handler_(std::move(handler))
{
    if (signalPipe.load() >= 0 || ::pipe2(pipe_, O_NONBLOCK | O_CLOEXEC) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { Deliver(); });
    signalPipe.store(pipe_[1]);

    struct sigaction action = {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    installed_ = true;
    for (size_t i = 0; i < std::size(SIGNALS); ++i) {
        replaced_[i] = ::sigaction(SIGNALS[i], &action, &former_[i]) == 0;
        installed_ = installed_ && replaced_[i];
    }
}

TerminationSignals::~TerminationSignals()
{
    if (!notifier_)
        return;
    for (size_t i = 0; i < std::size(SIGNALS); ++i) {
        if (replaced_[i])
            ::sigaction(SIGNALS[i], &former_[i], nullptr);
    }
    signalPipe.store(-1);
    notifier_.reset();
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void TerminationSignals::Deliver()
{
    // Every byte waiting is one signal received. All are read, and only the
    // first signal this object ever received is handed on: the program is
    // ending already, and a flood of signals must not make it end over and
    // over (one save each).
    std::vector<int> received;
    unsigned char bytes[16];
    for (;;) {
        const ssize_t got = ::read(pipe_[0], bytes, sizeof bytes);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        received.insert(received.end(), bytes, bytes + got);
    }
    if (received.empty() || delivered_)
        return;
    delivered_ = true;
    handler_(received.front());
}

}  // namespace platform
