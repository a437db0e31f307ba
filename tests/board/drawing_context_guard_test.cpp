// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "board/drawing_context_guard.h"
#include "platform/drawing_context.h"
#include "platform/window_surface.h"

namespace {

// Whether another thread could take the lock right now.
bool IsFree(std::mutex& lock)
{
    bool free = false;
    std::thread probe([&] {
        if (lock.try_lock()) {
            free = true;
            lock.unlock();
        }
    });
    probe.join();
    return free;
}

// Counts the repaint requests that reach a widget: the surface posts them to
// the widget's thread as events of a type of its own.
class RepaintCounter : public QObject {
public:
    int requests = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() >= QEvent::User)
            ++requests;
        return false;
    }
};

class GuardTest : public testing::Test {
protected:
    GuardTest()
    {
        widget.installEventFilter(&counter);
        surface.Resize(QSize(40, 30));
        surface.Image().fill(Qt::white);
    }
    int DeliveredRepaints()
    {
        QCoreApplication::sendPostedEvents(&widget);
        return counter.requests;
    }

    QWidget widget;
    RepaintCounter counter;
    platform::WindowSurface surface{&widget};
    std::mutex lock;
};

TEST_F(GuardTest, HandedAContextItNeitherLocksNorFlushesNorCloses)
{
    QImage own(10, 10, QImage::Format_RGB32);
    own.fill(Qt::white);
    platform::DrawingContext callers(own);
    platform::DrawingContext* context = &callers;
    {
        DrawingContextGuard guard(context, DrawingTarget{&lock, &surface});
        EXPECT_EQ(context, &callers);
        EXPECT_TRUE(IsFree(lock));
        context->FillRect({0, 0, 2, 2}, Qt::red);
    }
    EXPECT_EQ(DeliveredRepaints(), 0);
    // Still open: the caller goes on drawing through it.
    callers.FillRect({5, 5, 6, 6}, Qt::blue);
    EXPECT_EQ(own.pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_EQ(surface.Image().pixel(0, 0), qRgb(255, 255, 255));
}

TEST_F(GuardTest, WithoutAContextItLocksDrawsOnTheSurfaceAndFlushes)
{
    platform::DrawingContext* context = nullptr;
    {
        DrawingContextGuard guard(context, DrawingTarget{&lock, &surface});
        ASSERT_NE(context, nullptr);
        EXPECT_FALSE(IsFree(lock));
        context->FillRect({3, 4, 6, 8}, Qt::red);
        EXPECT_EQ(DeliveredRepaints(), 0);
    }
    EXPECT_TRUE(IsFree(lock));
    EXPECT_EQ(DeliveredRepaints(), 1);
    EXPECT_EQ(surface.Image().pixel(3, 4), qRgb(255, 0, 0));
    EXPECT_EQ(surface.Image().pixel(5, 7), qRgb(255, 0, 0));
    EXPECT_EQ(surface.Image().pixel(6, 8), qRgb(255, 255, 255));
}

TEST_F(GuardTest, NothingDrawnRequestsNoRepaint)
{
    platform::DrawingContext* context = nullptr;
    {
        DrawingContextGuard guard(context, DrawingTarget{&lock, &surface});
    }
    EXPECT_TRUE(IsFree(lock));
    EXPECT_EQ(DeliveredRepaints(), 0);
}

TEST_F(GuardTest, LockIsReleasedWhenTheDrawingThrows)
{
    auto drawAndFail = [&] {
        platform::DrawingContext* context = nullptr;
        DrawingContextGuard guard(context, DrawingTarget{&lock, &surface});
        context->FillRect({0, 0, 1, 1}, Qt::red);
        throw std::runtime_error("drawing failed");
    };
    EXPECT_THROW(drawAndFail(), std::runtime_error);
    EXPECT_TRUE(IsFree(lock));
    // What was drawn before the failure is still flushed.
    EXPECT_EQ(DeliveredRepaints(), 1);
    EXPECT_EQ(surface.Image().pixel(0, 0), qRgb(255, 0, 0));
}

}  // namespace
