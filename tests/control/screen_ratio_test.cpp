// The window on screens of device pixel ratio 1, 2 and 1.5: what it draws
// into its back buffer, what the screen shows of it, where clicks land, and
// what happens when the window moves from one screen to another.
#include "tests/control/game_fixture.h"

#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <cmath>
#include <mutex>
#include <vector>

#include "control/client_area.h"
#include "panels/window_layout.h"

namespace {

// This program runs on the offscreen platform with three screens side by
// side, of ratios 1, 2 and 1.5. Set before the application starts.
[[maybe_unused]] const bool screensSet = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QUELLIX_SCREENS_CONFIG);
    qputenv("QT_SCREEN_SCALE_FACTORS", "standard=1;double=2;oneandhalf=1.5");
    return true;
}();

const QRgb GROUND = qRgb(0x69, 0xBD, 0x8C);
const QRgb LINE = qRgb(0x26, 0x27, 0x26);
const QRgb BACKGROUND = qRgb(0x80, 0x60, 0x40);

// A stretch of pixels of one colour along a row or a column.
struct Span {
    int start;
    int length;
    int End() const { return start + length; }
};

// The spans of `colour` along `count` pixels from `from`, a pixel at a time by
// `step`, as positions along the way.
std::vector<Span> SpansOf(const QImage& image, QRgb colour, QPoint from, QPoint step, int count)
{
    std::vector<Span> spans;
    for (int i = 0; i < count; ++i) {
        const QPoint p = from + i * step;
        if ((image.pixel(p) | 0xFF000000) != colour)
            continue;
        if (!spans.empty() && spans.back().End() == i)
            ++spans.back().length;
        else
            spans.push_back({i, 1});
    }
    return spans;
}

class ScreenRatioTest : public GameFixture {
protected:
    // Moves the window onto the named screen and has it painted there.
    static void MoveTo(GameWindow& w, const QString& name, qreal ratio)
    {
        for (QScreen* screen : QGuiApplication::screens())
            if (screen->name() == name)
                w.move(screen->geometry().topLeft() + QPoint(40, 40));
        QCoreApplication::processEvents();
        w.Client()->repaint();
        ASSERT_EQ(w.Client()->devicePixelRatio(), ratio) << name.toStdString();
    }
    static QImage BackBuffer(GameWindow& w)
    {
        std::lock_guard lock(w.Game().DrawingLock());
        return w.Surface().Image().copy();
    }
    // What the screen shows of the window, in device pixels.
    static QImage Screen(GameWindow& w) { return w.grab().toImage(); }
    // A human's move and the robot's reply: discs of both colours, the last
    // move's hub, both panels with their badges and the raised one with its
    // state picture, and the marks of the human's next move.
    void PlayOneRound(GameWindow& w)
    {
        w.Game().StartGame();
        w.Game().HandleSquareClick(19);
        ASSERT_TRUE(RunUntil([&] { return Resting() && w.Game().SideToMove() == 1; }));
    }
};

// The pixels that may differ from a ratio-1 window of twice the size: the
// pictures, drawn from other sources, and the things of fixed size.
class Exceptions {
public:
    enum Kind : uint8_t { None, BoardPicture, PanelPicture, FixedSize };

    Exceptions(GameWindow& w, QSize size) : width_(size.width()), kinds_(size_t(size.width()) * size.height(), None)
    {
        for (int square = 0; square < 64; ++square)
            if (w.Game().SquareCode(square) != 0)
                Add(w.Board().PictureRect(square), BoardPicture);
        for (int i = 0; i < w.Game().MoveCount(); ++i)
            Add(w.Board().MarkRect(w.Game().LegalMove(i)), FixedSize);
        for (int side = 1; side <= 2; ++side) {
            const PlayerPanel& panel = w.Panel(side);
            const int pw = panel.homeRect.Width(), d = pw / 40 - pw / 80;
            const int discLeft = panel.homeRect.left + pw / 20, discTop = panel.homeRect.top + pw / 20;
            const platform::Rect disc{discLeft, discTop, discLeft + (16 * pw) / 100, discTop + (16 * pw) / 100};
            for (int shift : {0, -d}) {  // flat and raised
                Add(panel.badgeRect.Moved(shift, shift), PanelPicture);
                Add(panel.stateRect.Moved(shift, shift), PanelPicture);
                Add(disc.Moved(shift, shift), FixedSize);  // its outline is a scaled pixel wide
            }
        }
    }
    Kind At(int x, int y) const { return kinds_[size_t(y) * width_ + x]; }

private:
    void Add(const platform::Rect& r, Kind kind)
    {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                kinds_[size_t(y) * width_ + x] = kind;
    }
    int width_;
    std::vector<Kind> kinds_;
};

TEST_F(ScreenRatioTest, AtRatioTwoTheBackBufferIsARatioOneWindowOfTwiceTheSizeApartFromThePictures)
{
    GameWindow& w = Open(0, 3);
    PlayOneRound(w);
    MoveTo(w, QStringLiteral("double"), 2);
    const QImage doubled = BackBuffer(w);
    const QSize client = w.Client()->size();
    const Exceptions exceptions(w, doubled.size());

    MoveTo(w, QStringLiteral("standard"), 1);
    w.resize(w.size() + client);
    QCoreApplication::processEvents();
    w.Client()->repaint();
    ASSERT_EQ(w.Client()->size(), 2 * client);
    const QImage single = BackBuffer(w);
    ASSERT_EQ(single.size(), doubled.size());

    int differing = 0;
    int differingPictures[3] = {0, 0, 0};
    QPoint first;
    for (int y = 0; y < single.height(); ++y)
        for (int x = 0; x < single.width(); ++x) {
            if (single.pixel(x, y) == doubled.pixel(x, y))
                continue;
            const Exceptions::Kind kind = exceptions.At(x, y);
            if (kind == Exceptions::None && differing++ == 0)
                first = QPoint(x, y);
            else if (kind == Exceptions::BoardPicture || kind == Exceptions::PanelPicture)
                ++differingPictures[kind];
        }
    EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y();
    // The pictures come from the double-resolution drawings at ratio 2.
    EXPECT_GT(differingPictures[Exceptions::BoardPicture], 0);
    EXPECT_GT(differingPictures[Exceptions::PanelPicture], 0);
}

TEST_F(ScreenRatioTest, AtOneAndAHalfTheBoardSitsByTheRuleForDevicePixelsWithEveryGridLineTWide)
{
    GameWindow& w = Open();
    MoveTo(w, QStringLiteral("oneandhalf"), 1.5);
    const QImage screen = Screen(w);
    // The client area starts below the menu bar, where the background starts
    // at the window's left edge, and reaches to the window's right and
    // bottom edges.
    int top = 0;
    while (top < screen.height() && (screen.pixel(1, top) | 0xFF000000) != BACKGROUND)
        ++top;
    const platform::Rect client{0, 0, screen.width(), screen.height() - top};
    EXPECT_EQ(w.Surface().Size(), QSize(client.Width(), client.Height()));
    const platform::Rect board = ComputeWindowLayout(client).board.Moved(0, top);
    const int t = board.Width() / 160;
    ASSERT_GE(t, 2);

    // Across the board just inside its top and left edges: the ground from
    // edge to edge, and seven lines t pixels wide.
    for (const bool across : {true, false}) {
        SCOPED_TRACE(across ? "across" : "down");
        const QPoint from = across ? QPoint(board.left - 1, board.top + 2) : QPoint(board.left + 2, board.top - 1);
        const QPoint step = across ? QPoint(1, 0) : QPoint(0, 1);
        const std::vector<Span> ground = SpansOf(screen, GROUND, from, step, board.Width() + 2);
        ASSERT_FALSE(ground.empty());
        EXPECT_EQ(ground.front().start, 1);
        EXPECT_EQ(ground.back().End(), board.Width() + 1);
        const std::vector<Span> lines = SpansOf(screen, LINE, from, step, board.Width() + 2);
        ASSERT_EQ(lines.size(), 7u);
        for (const Span& line : lines)
            EXPECT_EQ(line.length, t) << "line at " << line.start - 1;
    }
}

// A window grown by 0, 1 or 2 logical pixels each way: the grid lines start
// at every place within the three device pixels of two logical pixels.
class ClickTest : public ScreenRatioTest, public testing::WithParamInterface<int> {};

TEST_P(ClickTest, AtOneAndAHalfAClickNearASquaresEdgeLandsOnTheSquareUnderThePointer)
{
    GameWindow& w = Open(0, 0);
    w.resize(w.size() + QSize(GetParam(), GetParam()));
    MoveTo(w, QStringLiteral("oneandhalf"), 1.5);
    w.Game().StartGame();
    w.Client()->repaint();
    const engine::BoardPosition start = w.Game().DisplayedPosition();
    const QImage screen = Screen(w);
    const QPoint origin = w.Client()->mapTo(&w, QPoint(0, 0));
    // The screen's device pixel under the middle of a logical pixel.
    const auto underPointer = [](int logical) {
        return static_cast<int>(std::floor((logical + 0.5) * 1.5));
    };

    // Square 19 (column 3, row 2) is the only legal move near its edges.
    int x = 0, y = 0;
    w.Board().SquareCentre(19, x, y);
    const QPoint inside(qRound(x / 1.5), qRound(y / 1.5));
    const std::vector<Span> across =
        SpansOf(screen, LINE, {0, underPointer(origin.y() + inside.y())}, {1, 0}, screen.width());
    const std::vector<Span> down =
        SpansOf(screen, LINE, {underPointer(origin.x() + inside.x()), 0}, {0, 1}, screen.height());
    ASSERT_EQ(across.size(), 7u);
    ASSERT_EQ(down.size(), 7u);
    struct Edge {
        Span line;
        bool across;
        bool squareAfterLine;
    };
    const Edge edges[] = {
        {across[2], true, true}, {across[3], true, false}, {down[1], false, true}, {down[2], false, false}};

    int onSquare = 0, offSquare = 0;
    for (const Edge& edge : edges) {
        const int offset = edge.across ? origin.x() : origin.y();
        const int first = static_cast<int>(edge.line.start / 1.5) - offset - 3;
        const int last = static_cast<int>(edge.line.End() / 1.5) - offset + 3;
        for (int logical = first; logical <= last; ++logical) {
            const int device = underPointer(offset + logical);
            const bool expected = edge.squareAfterLine ? device >= edge.line.End() : device < edge.line.start;
            const QPoint point = edge.across ? QPoint(logical, inside.y()) : QPoint(inside.x(), logical);
            QTest::mouseClick(w.Client(), Qt::LeftButton, {}, point);
            const bool played = w.Game().NextPosition().squares[19] != 0;
            EXPECT_EQ(played, expected) << "logical " << point.x() << "," << point.y() << ", screen pixel " << device
                                        << ", line " << edge.line.start << " to " << edge.line.End();
            (expected ? onSquare : offSquare)++;
            if (played) {
                ASSERT_TRUE(RunUntil([&] { return Resting(); }));
                TestSeam::SetPositions(w.Game(), start, start);
                TestSeam::SetLastMove(w.Game(), engine::NO_MOVE);
            }
        }
    }
    EXPECT_GE(onSquare, 8);
    EXPECT_GE(offSquare, 8);
}

INSTANTIATE_TEST_SUITE_P(Grown, ClickTest, testing::Values(0, 1, 2));

TEST_F(ScreenRatioTest, MovingToAScreenOfAnotherRatioRedoesTheLayoutAndRebuildsTheCaches)
{
    GameWindow& w = Open(0, 3);
    w.Game().StartGame();
    w.Client()->repaint();
    const QImage before = BackBuffer(w);
    const QSize size = w.Client()->size();
    BoardView& board = w.Board();
    PlayerPanel& panel = w.Panel(1);
    const QSize cursor = w.Client()->cursor().pixmap().size();

    MoveTo(w, QStringLiteral("double"), 2);
    EXPECT_EQ(w.Surface().Image().size(), 2 * size);
    const WindowLayout layout = ComputeWindowLayout({0, 0, 2 * size.width(), 2 * size.height()});
    EXPECT_EQ(board.BoardRect(), layout.board);
    EXPECT_EQ(panel.homeRect, layout.panel1);
    // Built again for the new size, from the double-resolution drawings.
    EXPECT_EQ(board.squarePictures.pictures[0].width(), board.pictureSize);
    EXPECT_EQ(board.squarePictures.pictures[41].width(), 240);
    EXPECT_EQ(panel.pictures.pictures[Go].size(), panel.stateRect.ToQRect().size());
    EXPECT_EQ(panel.pictures.pictures[ActiveBadge].size(), panel.badgeRect.ToQRect().size());
    EXPECT_EQ(w.Client()->cursor().pixmap().size(), 2 * cursor);
    EXPECT_TRUE(w.windowIcon().availableSizes().contains(QSize(512, 512)));

    // Back on a screen of ratio 1, every pixel is as it was.
    MoveTo(w, QStringLiteral("standard"), 1);
    EXPECT_EQ(BackBuffer(w), before);
    EXPECT_EQ(board.squarePictures.pictures[41].width(), 120);
    EXPECT_EQ(w.Client()->cursor().pixmap().size(), cursor);
    EXPECT_FALSE(w.windowIcon().availableSizes().contains(QSize(512, 512)));
}

}  // namespace
