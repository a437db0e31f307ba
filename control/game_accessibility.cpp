// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/game_accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <algorithm>

#include "board/board_accessible.h"
#include "control/client_area.h"
#include "control/game_window.h"
#include "control/test_seam.h"
#include "engine/board_position.h"
#include "panels/panel_accessible.h"

using engine::NO_MOVE;

namespace {

void Raise(QAccessibleEvent& event)
{
    if (const TestSeam::AccessibilityObserver observer = TestSeam::CurrentAccessibilityObserver())
        observer(&event);
    QAccessible::updateAccessibility(&event);
}

void Raise(QAccessibleInterface* part, QAccessible::Event type)
{
    if (part == nullptr)
        return;
    QAccessibleEvent event(part, type);
    Raise(event);
}

// The line a screen reader speaks when something happens in the game. Its
// name is the last announcement; it is shown again for every new one.
class AccessibleAnnouncement : public DrawnAccessible {
public:
    using DrawnAccessible::DrawnAccessible;

    void SetText(const QString& text) { text_ = text; }

    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? text_ : QString(); }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = text_.isEmpty();
        return state;
    }

private:
    QString text_;
};

// The client area: the parts of the game, then its child widgets.
class AccessibleClientArea : public QAccessibleWidget {
public:
    explicit AccessibleClientArea(ClientArea* area) : QAccessibleWidget(area, QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(Parts().size()) + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QAccessibleInterface*> parts = Parts();
        if (index >= 0 && index < parts.size())
            return parts[index];
        return QAccessibleWidget::child(index - static_cast<int>(parts.size()));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const QList<QAccessibleInterface*> parts = Parts();
        const auto found = std::find(parts.begin(), parts.end(), child);
        if (found != parts.end())
            return static_cast<int>(found - parts.begin());
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? index : index + static_cast<int>(parts.size());
    }
    // The keyboard cursor's cell while the cursor is shown and the focus is
    // in the client area.
    QAccessibleInterface* focusChild() const override
    {
        GameAccessibility* game = Area()->Accessibility();
        QWidget* focus = QApplication::focusWidget();
        if (game != nullptr && focus != nullptr && (focus == Area() || Area()->isAncestorOf(focus)))
            if (QAccessibleInterface* cell = game->Board().focusChild())
                return cell;
        return QAccessibleWidget::focusChild();
    }

private:
    ClientArea* Area() const { return static_cast<ClientArea*>(widget()); }
    QList<QAccessibleInterface*> Parts() const
    {
        GameAccessibility* game = Area()->Accessibility();
        return game != nullptr ? game->Parts() : QList<QAccessibleInterface*>{};
    }
};

}  // namespace

QAccessibleInterface* ClientAreaAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ClientArea"))
        if (auto* area = qobject_cast<ClientArea*>(object))
            return new AccessibleClientArea(area);
    return nullptr;
}

GameAccessibility::GameAccessibility(GameWindow& window) : window_(window), focusedSquare_(NO_MOVE)
{
    window.Client()->SetAccessibility(this);
    GameController& game = window.Game();
    connect(&game, &GameController::MovePlayed, this, &GameAccessibility::OnMovePlayed);
    connect(&game, &GameController::TurnUpdated, this, &GameAccessibility::OnTurnUpdated);
    // The cells of the moves to play read their values once they are found.
    connect(&game, &GameController::MoveValuesShown, this, &GameAccessibility::OnTurnUpdated);
    window.Board().SetKeyboardCursorObserver([this](int square) { OnKeyboardCursorMoved(square); });
}

GameAccessibility::~GameAccessibility()
{
    window_.Board().SetKeyboardCursorObserver(nullptr);
    window_.Client()->SetAccessibility(nullptr);
    for (QAccessible::Id id : {board_, panels_[0], panels_[1], announcement_})
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

void GameAccessibility::MakeParts()
{
    if (made_)
        return;
    made_ = true;
    ClientArea* host = window_.Client();
    board_ = QAccessible::registerAccessibleInterface(
        new AccessibleBoard(window_.Board(), window_.Game(), host, window_.Surface()));
    for (int side = 1; side <= 2; ++side)
        panels_[side - 1] =
            QAccessible::registerAccessibleInterface(new AccessiblePanel(window_.Panel(side), host, window_.Surface()));
    announcement_ = QAccessible::registerAccessibleInterface(new AccessibleAnnouncement(host, window_.Surface()));

    // From here on every change is reported against what is read now.
    for (int square = 0; square < 64; ++square)
        cellNames_[static_cast<size_t>(square)] = Board().CellName(square);
    for (int side = 1; side <= 2; ++side)
        panelTexts_[side - 1] = window_.Panel(side).Text();
    gameOverAnnounced_ = window_.Game().Phase() == GamePhase::Over;
    focusedSquare_ = window_.Board().KeyboardCursor();
}

QList<QAccessibleInterface*> GameAccessibility::Parts()
{
    MakeParts();
    return {QAccessible::accessibleInterface(board_), QAccessible::accessibleInterface(panels_[0]),
            QAccessible::accessibleInterface(panels_[1]), QAccessible::accessibleInterface(announcement_)};
}

AccessibleBoard& GameAccessibility::Board()
{
    MakeParts();
    return *static_cast<AccessibleBoard*>(QAccessible::accessibleInterface(board_));
}

void GameAccessibility::Announce(const QString& text)
{
    auto* announcement = static_cast<AccessibleAnnouncement*>(QAccessible::accessibleInterface(announcement_));
    announcement->SetText(text);
    // The new name first, so that a reader that keeps names hears the new one.
    Raise(announcement, QAccessible::NameChanged);
    Raise(announcement, QAccessible::ObjectShow);
}

void GameAccessibility::OnMovePlayed(int side, int square)
{
    if (!made_)
        return;
    if (square == NO_MOVE)
        Announce(QCoreApplication::translate("GameAccessibility", "Player %1 passed").arg(side));
    else
        Announce(QCoreApplication::translate("GameAccessibility", "Player %1 played %2")
                     .arg(side)
                     .arg(SquareCoordinate(square)));
}

void GameAccessibility::OnTurnUpdated()
{
    if (!made_)
        return;
    AccessibleBoard& board = Board();
    for (int square = 0; square < 64; ++square) {
        QString name = board.CellName(square);
        QString& known = cellNames_[static_cast<size_t>(square)];
        if (name != known) {
            known = std::move(name);
            Raise(board.Cell(square), QAccessible::NameChanged);
        }
    }
    for (int side = 1; side <= 2; ++side) {
        QString text = window_.Panel(side).Text();
        if (text != panelTexts_[side - 1]) {
            panelTexts_[side - 1] = std::move(text);
            Raise(QAccessible::accessibleInterface(panels_[side - 1]), QAccessible::NameChanged);
        }
    }

    const GameController& game = window_.Game();
    const bool over = game.Phase() == GamePhase::Over;
    if (over && !gameOverAnnounced_) {
        const int dark = game.DiscCount(1), light = game.DiscCount(2);
        if (dark == light)
            Announce(
                QCoreApplication::translate("GameAccessibility", "Game over, tied, %1 to %2").arg(dark).arg(light));
        else
            Announce(QCoreApplication::translate("GameAccessibility", "Game over, Player %1 won, %2 to %3")
                         .arg(dark > light ? 1 : 2)
                         .arg(std::max(dark, light))
                         .arg(std::min(dark, light)));
    }
    gameOverAnnounced_ = over;
}

void GameAccessibility::OnKeyboardCursorMoved(int square)
{
    if (!made_)
        return;
    const int previous = focusedSquare_;
    focusedSquare_ = square;
    AccessibleBoard& board = Board();
    if (square != NO_MOVE) {
        Raise(board.Cell(square), QAccessible::Focus);
    } else if (previous != NO_MOVE) {
        QAccessible::State focused;
        focused.focused = true;
        QAccessibleStateChangeEvent event(board.Cell(previous), focused);
        Raise(event);
    }
}
