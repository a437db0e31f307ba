// SPDX-License-Identifier: GPL-3.0-or-later
// The frames and pauses of a move's animation, recorded at every pause.
#include "tests/control/game_fixture.h"

#include <atomic>
#include <mutex>
#include <numeric>
#include <thread>
#include <vector>

namespace {

using engine::BoardPosition;
using AnimationTest = GameFixture;

struct Pause {
    int ms;
    std::vector<int> codes;  // of the watched squares when the pause began
    bool operator==(const Pause&) const = default;
};

std::mutex recordMutex;
std::vector<int> watched;
std::vector<Pause> pauses;
// When set, the animation holds still in the pause after the second watched
// square has shown `holdAtCode`, until the task is cancelled.
int holdAtCode = -1;
platform::Event holding;

void RecordPause(AnimationTask& task, int ms)
{
    bool hold = false;
    {
        std::lock_guard lock(recordMutex);
        Pause pause{ms, {}};
        for (int square : watched)
            pause.codes.push_back(task.Game().DisplayedPosition().squares[square]);
        hold = pause.codes.size() > 1 && pause.codes[1] == holdAtCode;
        pauses.push_back(pause);
    }
    if (hold) {
        holding.Set();
        task.cancelEvent.Wait();
    }
}

std::vector<Pause> Animate(GameWindow& w, const BoardPosition& before, int move, std::vector<int> squares)
{
    {
        std::lock_guard lock(recordMutex);
        watched = std::move(squares);
        pauses.clear();
    }
    TestSeam::SetPauseObserver(RecordPause);
    TestSeam::SetPositions(w.Game(), before, before);
    w.Game().UpdateTurn();
    TestSeam::PlayMove(w.Game(), move);
    EXPECT_TRUE(GameFixture::RunUntil([&] { return !TestSeam::IsAnimating(w.Game()); }));
    std::lock_guard lock(recordMutex);
    return pauses;
}

int Total(const std::vector<Pause>& list)
{
    return std::accumulate(list.begin(), list.end(), 0, [](int sum, const Pause& p) { return sum + p.ms; });
}

TEST_F(AnimationTest, OneDiscCapturedInOneDirection)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    BoardPosition start;
    start.setStartPosition();
    // Square 19 captures 27 downwards, in the fourth direction.
    const std::vector<Pause> got = Animate(w, start, 19, {19, 27});
    const std::vector<Pause> expected = {
        {20, {8, 2}},  {20, {9, 2}},   {20, {10, 2}},  // up-right
        {20, {11, 2}}, {20, {12, 2}},                  // right
        {20, {13, 2}}, {20, {14, 2}},                  // down-right
        {20, {15, 2}}, {20, {16, 2}},                  // down: then 27 turns dark through 7..3
        {20, {16, 7}}, {20, {16, 6}},  {20, {16, 5}}, {20, {16, 4}}, {20, {16, 3}},
        {40, {16, 1}}, {180, {16, 1}}, {20, {17, 1}}, {20, {18, 1}},  // down-left
        {20, {19, 1}}, {20, {20, 1}},                                 // left
        {20, {21, 1}}, {20, {22, 1}},                                 // up-left
        {20, {23, 1}}, {20, {8, 1}},                                  // up: the arrow is back where it started
        {150, {1, 1}},
    };
    EXPECT_EQ(got, expected);
    EXPECT_EQ(Total(got), 810);

    BoardPosition after;
    after.copyAndApply(start, 19);
    EXPECT_EQ(0, std::memcmp(after.squares, w.Game().DisplayedPosition().squares, sizeof after.squares));
    EXPECT_EQ(w.Game().DisplayedPosition().sideToMove, 2);
    EXPECT_EQ(w.Game().DisplayedPosition().moveCount, 3);
    EXPECT_EQ(w.Game().LastMove(), 19);
}

TEST_F(AnimationTest, LightMoveCapturingTwoDirectionsTurnsDiscsInOrder)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    // O plays 20: it captures 28 and 36 downwards (fourth direction) and 19
    // leftwards (sixth direction).
    const BoardPosition before = positionFromText("........"
                                                  "........"
                                                  "..OX...."
                                                  "....X..."
                                                  "....X..."
                                                  "....O..."
                                                  "........"
                                                  "........O");
    ASSERT_TRUE(before.isLegalMove(20));
    const std::vector<Pause> got = Animate(w, before, 20, {20, 28, 36, 19});

    std::vector<Pause> expected = {{20, {24, 1, 1, 1}}};
    int frame = 1;
    auto arrow = [&](int dir) {
        for (int i = 0; i < 2; ++i) {
            const int code = 24 + frame;
            frame = (frame + 1) % 16;
            std::vector<int> codes = expected.back().codes;
            codes[0] = code;
            expected.push_back({20, codes});
        }
        (void)dir;
    };
    auto turn = [&](int index) {
        for (int code = 3; code <= 7; ++code) {
            std::vector<int> codes = expected.back().codes;
            codes[static_cast<size_t>(index)] = code;
            expected.push_back({20, codes});
        }
        std::vector<int> codes = expected.back().codes;
        codes[static_cast<size_t>(index)] = 2;
        expected.push_back({40, codes});
    };
    arrow(1), arrow(2), arrow(3), arrow(4);
    turn(1), turn(2);
    expected.push_back({60, expected.back().codes});  // two discs: max(60, 320 - 280)
    arrow(5), arrow(6);
    turn(3);
    expected.push_back({180, expected.back().codes});
    arrow(7), arrow(8);
    expected.push_back({150, {2, 2, 2, 2}});
    EXPECT_EQ(got, expected);
    EXPECT_EQ(Total(got), 20 + 8 * 40 + 280 + 60 + 140 + 180 + 150);

    BoardPosition after;
    after.copyAndApply(before, 20);
    EXPECT_EQ(0, std::memcmp(after.squares, w.Game().DisplayedPosition().squares, sizeof after.squares));
    EXPECT_EQ(after.sideToMove, w.Game().DisplayedPosition().sideToMove);
    EXPECT_EQ(after.moveCount, w.Game().DisplayedPosition().moveCount);
}

TEST_F(AnimationTest, ClearingDuringATurningRunDrawsNoFurtherFrame)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    {
        std::lock_guard lock(recordMutex);
        watched = {19, 27};
        pauses.clear();
        holdAtCode = 5;
        holding.Reset();
    }
    TestSeam::SetPauseObserver(RecordPause);
    TestSeam::PlayMove(w.Game(), 19);
    ASSERT_TRUE(RunUntil([] { return holding.IsSet(); }));
    AnswerNextQuestion(QMessageBox::Ok);
    w.Game().ClearGame();
    EXPECT_TRUE(Resting());
    EXPECT_EQ(w.Game().DisplayedPosition().squares[27], 0);
    std::lock_guard lock(recordMutex);
    holdAtCode = -1;
    EXPECT_EQ(pauses.back().codes[1], 5);
}

// Compares the back buffer at a square's picture rectangle with the prepared
// picture of that code. The caller holds the drawing lock.
bool ShowsPicture(GameWindow& w, int square, int index)
{
    const platform::Rect r = w.Board().PictureRect(square);
    const QImage shown = w.Surface().Image().copy(r.ToQRect());
    const QImage& expected = w.Board().squarePictures.pictures[static_cast<size_t>(index)];
    return w.Board().squarePictures.built[static_cast<size_t>(index)] && shown == expected;
}

GameWindow* animatedWindow = nullptr;
std::atomic<int> framesSeen{0};
std::atomic<int> framesMissing{0};

// At every pause the frame just drawn must already be in the back buffer:
// every occupied square shows the picture of its code.
void CheckFrameDrawn(AnimationTask& task, int /*ms*/)
{
    (void)task;
    GameWindow& w = *animatedWindow;
    std::lock_guard lock(w.Game().DrawingLock());
    ++framesSeen;
    for (int square = 0; square < 64; ++square) {
        int code = w.Game().DisplayedPosition().squares[square];
        if ((code == 1 || code == 2) && square == w.Game().LastMove())
            code += 39;
        if (code != 0 && !ShowsPicture(w, square, code - 1))
            ++framesMissing;
    }
}

TEST_F(AnimationTest, EveryFrameReachesTheWindowAndTheBoardEndsWithTheLastMoveMarked)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    animatedWindow = &w;
    framesSeen = 0;
    framesMissing = 0;
    TestSeam::SetPauseObserver(CheckFrameDrawn);
    TestSeam::PlayMove(w.Game(), 19);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    EXPECT_EQ(framesSeen, 25);
    EXPECT_EQ(framesMissing, 0);

    std::lock_guard lock(w.Game().DrawingLock());
    EXPECT_TRUE(ShowsPicture(w, 19, 39));  // dark disc with the last-move hub
    EXPECT_TRUE(ShowsPicture(w, 27, 0));   // the captured disc, now dark
    EXPECT_TRUE(ShowsPicture(w, 28, 0));
    EXPECT_TRUE(ShowsPicture(w, 36, 1));  // light disc
}

// The board view draws outside painting into the window's own back buffer,
// under the game's drawing lock, which it lets go of afterwards.
TEST_F(AnimationTest, TheBoardDrawsIntoTheWindowsBackBufferUnderTheDrawingLock)
{
    GameWindow& w = Open(0, 0);
    w.Game().StartGame();
    {
        std::lock_guard hold(w.Game().DrawingLock());
        w.Surface().Image().fill(Qt::white);
    }
    w.Board().DrawSquare(nullptr, 27);
    bool free = false;
    std::thread([&] {
        if (w.Game().DrawingLock().try_lock()) {
            free = true;
            w.Game().DrawingLock().unlock();
        }
    }).join();
    EXPECT_TRUE(free);
    std::lock_guard hold(w.Game().DrawingLock());
    EXPECT_TRUE(ShowsPicture(w, 27, 1));  // the light disc
}

}  // namespace
