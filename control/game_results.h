// SPDX-License-Identifier: GPL-3.0-or-later
// How the human does against each robot level: the games won, lost and tied,
// kept in the settings file. A game counts once, the first time it ends,
// with the players' kinds of that moment: against a robot from the human's
// side, between two humans from player 1's side, between two robots not at
// all. A game that is undone or cleared before it ends does not count, and
// one that ended, was undone and ended again counts once.
#pragma once

#include <QObject>
#include <array>

class GameController;

// The games won, lost and tied, in that order.
inline constexpr int RESULT_COLUMNS = 3;
using Tally = std::array<int, RESULT_COLUMNS>;
// One row for each robot level from 1 to 6, then one for two humans.
inline constexpr int RESULT_ROWS = 7;
inline constexpr int HUMANS_ROW = 6;
using ResultTable = std::array<Tally, RESULT_ROWS>;

class GameResults : public QObject {
    Q_OBJECT

public:
    // Reads the stored results and watches `game` for the end of each game.
    explicit GameResults(GameController& game);

    const ResultTable& Table() const { return table_; }
    // Sets every count to 0, in the settings file too.
    void Reset();

signals:
    // A game has been counted, or the counts were reset.
    void Changed();

private:
    void OnTurnUpdated();
    // The stored results; a count that is absent, not a number or below 0
    // reads as 0.
    static ResultTable Read();
    // All the counts in one write, atomic and locked like every write of the
    // settings; a failure is not reported.
    static void Write(ResultTable table);

    GameController& game_;
    ResultTable table_;
    // Whether the game on the board has ended once already.
    bool ended_ = false;
};
