// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM, SIGHUP and SIGINT reach the window thread as ordinary calls,
// whichever thread the system hands them to.
#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <atomic>
#include <csignal>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/termination_signals.h"

namespace {

using platform::TerminationSignals;

// Records the calls and whether each came on the window thread.
struct Recorder {
    std::vector<int> received;
    bool allOnWindowThread = true;

    TerminationSignals::Handler Handler()
    {
        return [this](int signal) {
            received.push_back(signal);
            allOnWindowThread = allOnWindowThread && QThread::currentThread() == qApp->thread();
        };
    }
    bool WaitFor(size_t count)
    {
        return QTest::qWaitFor([&] { return received.size() >= count; }, 30000);
    }
};

struct Delivery {
    const char* name;
    int signal;
    bool onWorkerThread;  // raised on another thread, whose handler runs there
    int times = 1;        // how often it is raised, the event loop running in between
};

void PrintTo(const Delivery& delivery, std::ostream* out)
{
    *out << delivery.name;
}

class TerminationSignalsTest : public testing::TestWithParam<Delivery> {};

TEST_P(TerminationSignalsTest, ASignalBecomesOneCallOnTheWindowThread)
{
    const Delivery& delivery = GetParam();
    Recorder recorder;
    TerminationSignals routed(recorder.Handler());
    ASSERT_TRUE(routed.IsInstalled());

    for (int i = 0; i < delivery.times; ++i) {
        if (delivery.onWorkerThread)
            std::thread([&] { std::raise(delivery.signal); }).join();
        else
            std::raise(delivery.signal);
        if (i % 100 == 0)
            QCoreApplication::processEvents();
    }

    ASSERT_TRUE(recorder.WaitFor(1));
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.received, std::vector<int>{delivery.signal});
    EXPECT_TRUE(recorder.allOnWindowThread);
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignalsTest,
                         testing::Values(Delivery{"Term", SIGTERM, false}, Delivery{"Hup", SIGHUP, false},
                                         Delivery{"Int", SIGINT, false}, Delivery{"TermOnAWorker", SIGTERM, true},
                                         Delivery{"HupOnAWorker", SIGHUP, true},
                                         Delivery{"AFloodOfTerms", SIGTERM, false, 5000}),
                         [](const testing::TestParamInfo<Delivery>& info) { return std::string(info.param.name); });

std::atomic<int> formerHandlerCalls{0};
void FormerHandler(int)
{
    formerHandlerCalls.fetch_add(1, std::memory_order_relaxed);
}

TEST(TerminationSignals, ASecondRoutingStaysOutAndTheFormerActionComesBack)
{
    struct sigaction former = {};
    former.sa_handler = FormerHandler;
    sigemptyset(&former.sa_mask);
    struct sigaction saved = {};
    ASSERT_EQ(::sigaction(SIGHUP, &former, &saved), 0);
    formerHandlerCalls = 0;

    Recorder first;
    Recorder second;
    {
        TerminationSignals routed(first.Handler());
        TerminationSignals again(second.Handler());
        EXPECT_TRUE(routed.IsInstalled());
        EXPECT_FALSE(again.IsInstalled());
        std::raise(SIGHUP);
        ASSERT_TRUE(first.WaitFor(1));
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(second.received.empty());
    EXPECT_EQ(formerHandlerCalls.load(), 0);

    std::raise(SIGHUP);
    EXPECT_EQ(formerHandlerCalls.load(), 1);
    EXPECT_EQ(first.received.size(), 1u);
    ::sigaction(SIGHUP, &saved, nullptr);
}

}  // namespace
