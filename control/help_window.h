// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own short help: the rules of Reversi, how to play against a
// robot or a friend, and what the robot levels mean.
#pragma once

#include <QDialog>

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    // Shows the help window of `owner`, making it on first use.
    static void ShowFor(QWidget* owner);
    // Closes it, if it is open.
    static void CloseFor(QWidget* owner);

private:
    explicit HelpWindow(QWidget* owner);
};
