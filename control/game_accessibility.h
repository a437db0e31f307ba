// SPDX-License-Identifier: GPL-3.0-or-later
// The game as assistive technology sees it. The client area's accessible
// children are the board table, the two player panels and an announcement,
// then the buttons. A move, a pass and the end of the game are announced,
// the cells and the panels whose names changed say so after every turn
// update, and the keyboard cursor's square is the focused cell.
//
// Screen readers on Linux hear a Qt program through AT-SPI, where this Qt
// passes on no alert or announcement event. What they do present: the
// focused object (on focus events), a change of the focused object's name,
// and an object of the notification role that becomes shown. So each
// announcement is the name of a notification that is shown again, and
// every cell and panel raises a name change when its name changes.
#pragma once

#include <QAccessible>
#include <QObject>
#include <QString>
#include <array>

class AccessibleBoard;
class GameWindow;

// Makes the accessible object of a ClientArea, whose children are the game's
// parts and then its widgets; null for any other object. Installed by the
// client area before anything asks for its accessible object.
QAccessibleInterface* ClientAreaAccessibleFactory(const QString& className, QObject* object);

class GameAccessibility : public QObject {
    Q_OBJECT

public:
    // Watches the game of `window` and makes its accessible parts known to
    // the window's client area.
    explicit GameAccessibility(GameWindow& window);
    // Withdraws the parts: after this the client area has only its buttons.
    ~GameAccessibility() override;
    GameAccessibility(const GameAccessibility&) = delete;
    GameAccessibility& operator=(const GameAccessibility&) = delete;

    // The parts that are drawn rather than widgets, in their order among the
    // client area's children: the board table, player 1's panel, player 2's
    // panel and the announcement. Made when first asked for: until then
    // nothing is watched and no event is raised.
    QList<QAccessibleInterface*> Parts();
    AccessibleBoard& Board();

private:
    void MakeParts();
    void OnMovePlayed(int side, int square);
    void OnTurnUpdated();
    void OnKeyboardCursorMoved(int square);
    void Announce(const QString& text);

    GameWindow& window_;
    bool made_ = false;
    // The parts, registered with Qt's accessibility cache, which owns them.
    QAccessible::Id board_ = 0;
    QAccessible::Id panels_[2] = {0, 0};
    QAccessible::Id announcement_ = 0;
    // What the cells and the panels read at the last turn update.
    std::array<QString, 64> cellNames_;
    QString panelTexts_[2];
    bool gameOverAnnounced_ = false;
    int focusedSquare_;
};
