// SPDX-License-Identifier: GPL-3.0-or-later
// A real GameWindow on the offscreen platform, with a settings store of its
// own, animations at no time, and helpers to drive the window thread.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "control/game_window.h"
#include "control/test_seam.h"
#include "platform/shared_value.h"
#include "tests/engine/positions.h"

class GameFixture : public testing::Test {
public:
    // Runs the window thread until `done` holds; fails after a generous bound.
    static bool RunUntil(const std::function<bool()>& done, int boundMs = 60000)
    {
        return QTest::qWaitFor(done, boundMs);
    }

    // Answers the next OK/Cancel question as soon as it is asked.
    static void AnswerNextQuestion(QMessageBox::StandardButton answer)
    {
        QTimer::singleShot(0, [answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(answer)->click();
        });
    }

protected:
    void SetUp() override
    {
        ASSERT_TRUE(settingsDir.isValid());
        QCoreApplication::setOrganizationName(QStringLiteral("Tamsvelder"));
        QCoreApplication::setApplicationName(QStringLiteral("quellix"));
        // The window's settings file, and QSettings in the helpers below,
        // both under the test's own folder.
        savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsDir.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        TestSeam::SetTimeScale(0);
    }

    void TearDown() override
    {
        if (window)
            window->Game().AbandonAll();
        window.reset();
        qputenv("XDG_CONFIG_HOME", savedConfigHome);
        TestSeam::SetTimeScale(1);
        TestSeam::SetPauseObserver(nullptr);
        TestSeam::SetBlinkObserver(nullptr);
    }

    // Makes the window with the given stored kinds (none: nothing stored),
    // its robot drawing random numbers from `seed`.
    GameWindow& Open(int kind1 = -1, int kind2 = -1, uint32_t seed = 0)
    {
        if (kind1 >= 0)
            StoreSetting(QStringLiteral("Player1Level"), kind1);
        if (kind2 >= 0)
            StoreSetting(QStringLiteral("Player2Level"), kind2);
        window = std::make_unique<GameWindow>(seed);
        window->resize(800, 600);
        window->show();
        QCoreApplication::processEvents();
        return *window;
    }

    static void StoreSetting(const QString& entry, const QVariant& value)
    {
        QSettings store;
        store.setValue(QStringLiteral("Settings/") + entry, value);
    }

    static QVariant StoredSetting(const QString& entry)
    {
        QSettings store;
        return store.value(QStringLiteral("Settings/") + entry);
    }

    // No task left and nothing more to come: the game rests.
    bool Resting() const { return !TestSeam::IsAnimating(window->Game()) && !TestSeam::IsRobotThinking(window->Game()); }

    QTemporaryDir settingsDir;
    QByteArray savedConfigHome;
    std::unique_ptr<GameWindow> window;
};

// Puts `p` on the board of a started game as if play had reached it, drawn
// as the game draws it; a pass the side to move must make is already applied
// to the next position.
inline void ShowOnBoard(GameWindow& w, const engine::BoardPosition& p)
{
    engine::BoardPosition next = p;
    if (p.sideToMove >= 1 && p.moveCount == 0)
        next.applyMove(engine::NO_MOVE);
    w.Board().SetMarksShown(false);
    TestSeam::SetPositions(w.Game(), p, next);
    w.Board().PaintBoard(nullptr);
    w.Game().UpdateTurn();
}

// A copy of the window's back buffer: the board and the panels as drawn.
inline QImage BackBuffer(GameWindow& w)
{
    std::lock_guard lock(w.Game().DrawingLock());
    return w.Surface().Image().copy();
}

// A key pressed on `target` while the window is the active one.
inline void Press(GameWindow& w, QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QApplication::setActiveWindow(&w);
    QTest::keyClick(target, key, modifiers);
}

// Colour 1 (X) cannot move; colour 2 (O) can play square 2, which ends the game.
inline const char* const X_MUST_PASS = "OX......"
                                       "........"
                                       "........"
                                       "........"
                                       "........"
                                       "........"
                                       "........"
                                       "........X";
