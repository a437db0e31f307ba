// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of one animation frame on a large screen of ratio 2: the window's
// back buffer is 3840 x 2160 device pixels (a client area of 1920 x 1080),
// and a frame is one square drawn into it under the drawing lock, then that
// square copied to the screen by the paint handler.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <mutex>

#include "board/board_view.h"
#include "engine/board_position.h"
#include "game/square_picture.h"
#include "panels/window_layout.h"
#include "platform/window_surface.h"

namespace {

constexpr qreal RATIO = 2.0;
const QSize CLIENT(1920, 1080);

// A game in its start position whose one animated square shows the frames
// the benchmark puts there.
class StillGame : public GameState {
public:
    StillGame() { position.setStartPosition(); }
    int SideToMove() const override { return position.sideToMove; }
    int MoveCount() const override { return position.moveCount; }
    int LegalMove(int index) const override { return position.moves[index]; }
    int DiscCount(int side) const override { return side == 1 ? position.discCount1 : position.discCount2; }
    int SquareCode(int square) const override { return position.squares[square]; }
    int LastMove() const override { return engine::NO_MOVE; }
    int PlayerKind(int) const override { return HUMAN; }
    bool RobotPassed() const override { return false; }

    engine::BoardPosition position;
};

// The window's side of the drawing: the back buffer, its lock, and the board
// laid out on it as the window lays it out.
struct Window {
    Window()
    {
        surface.Resize(CLIENT, RATIO);
        const QSize size = surface.Size();
        const platform::Rect board = ComputeWindowLayout({0, 0, size.width(), size.height()}).board;
        platform::DrawingContext* context = nullptr;
        DrawingContextGuard guard(context, DrawingTarget{&lock, &surface});
        view.Relayout(context, board, RATIO);
        view.PaintBoard(context);
    }

    StillGame game;
    std::mutex lock;
    platform::WindowSurface surface{nullptr};
    BoardView view{game, DrawingTarget{&lock, &surface}, nullptr};
};

constexpr int SQUARE = 19;

// One frame of the arrow turning on a new disc: the picture is already
// prepared, so the frame is the lock, a painter on the back buffer, one copy
// of a square picture, and the flush.
void AnimationFrame(benchmark::State& state)
{
    Window window;
    // Every arrow frame once, so that all are prepared as in a running game.
    for (int frame = 0; frame < square_picture::ARROW_FRAMES; ++frame) {
        window.game.position.squares[SQUARE] = square_picture::Arrow(1, frame);
        window.view.DrawSquare(nullptr, SQUARE);
    }
    int frame = 0;
    for (auto _ : state) {
        window.game.position.squares[SQUARE] = square_picture::Arrow(1, frame);
        window.view.DrawSquare(nullptr, SQUARE);
        frame = (frame + 1) % square_picture::ARROW_FRAMES;
    }
    state.counters["picture"] = window.view.pictureSize;
}
BENCHMARK(AnimationFrame);

// The first frame after a layout: the full-size disc and the arrow are
// composed from the double-resolution pictures and scaled, then shown.
void FirstFrameAfterLayout(benchmark::State& state)
{
    Window window;
    window.game.position.squares[SQUARE] = square_picture::Arrow(1, 0);
    for (auto _ : state) {
        state.PauseTiming();
        {
            std::lock_guard hold(window.lock);
            window.view.Relayout(nullptr, window.view.BoardRect(), RATIO);
        }
        state.ResumeTiming();
        window.view.DrawSquare(nullptr, SQUARE);
    }
}
BENCHMARK(FirstFrameAfterLayout);

// The paint handler's share of a frame: the square's rectangle of the back
// buffer copied to a screen buffer of ratio 2, pixel for pixel.
void FrameToScreen(benchmark::State& state)
{
    Window window;
    QImage screen(window.surface.Size(), QImage::Format_RGB32);
    screen.setDevicePixelRatio(RATIO);
    const QRect area = window.surface.ToLogical(window.view.PictureRect(SQUARE).ToQRect()).adjusted(-1, -1, 1, 1);
    for (auto _ : state) {
        QPainter painter(&screen);
        window.surface.CopyToScreen(painter, area);
    }
}
BENCHMARK(FrameToScreen);

}  // namespace

int main(int argc, char** argv)
{
    // Pictures and painters need the application's platform, but no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
