// SPDX-License-Identifier: GPL-3.0-or-later
// The Results window: a small table of the games won, lost and tied against
// each robot level and between two humans, kept up to date while it is open,
// and a Reset button that asks first.
#pragma once

#include <QDialog>

class GameResults;
class QPushButton;
class QTableWidget;

class ResultsWindow : public QDialog {
    Q_OBJECT

public:
    // Shows the results window of `owner`, making it on first use.
    static void ShowFor(QWidget* owner, GameResults& results);

    QTableWidget* Table() const { return table_; }
    QPushButton* ResetButton() const { return resetButton_; }

private:
    ResultsWindow(QWidget* owner, GameResults& results);
    void Fill();
    void AskAndReset();

    GameResults& results_;
    QTableWidget* table_;
    QPushButton* resetButton_;
};
