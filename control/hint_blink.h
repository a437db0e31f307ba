// SPDX-License-Identifier: GPL-3.0-or-later
// The hint on the board: the plain disc of the side to move blinks three
// times on the hinted square, shown about 300 ms and hidden 200 ms each time,
// and then the square looks as before. It runs on the window thread, on a
// timer whose pauses follow the test seam's time scale.
#pragma once

#include <QObject>
#include <QTimer>

class BoardView;

class HintBlink : public QObject {
    Q_OBJECT

public:
    HintBlink();

    // Shows the disc of `side` on `square` at once and blinks it on.
    void Start(BoardView& board, int square, int side);
    // Ends the blink at once and gives the square back; nothing while no
    // blink runs.
    void Stop();

    // The square that blinks, or NO_MOVE.
    int Square() const { return square_; }
    bool DiscShown() const { return discShown_; }

private:
    void Step();
    // Keeps the square as it is now for `ms` nominal milliseconds.
    void Wait(int ms);
    void End();
    // Tells the test seam's observer of every step.
    void Observe(int ms);

    QTimer timer_;
    BoardView* board_ = nullptr;
    int square_;
    int side_ = 0;
    int timesShown_ = 0;
    bool discShown_ = false;
};
