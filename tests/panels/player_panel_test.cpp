// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QWidget>
#include <mutex>

#include "panels/panel_accessible.h"
#include "panels/player_panel.h"
#include "platform/drawing_context.h"
#include "platform/translations.h"
#include "tests/game/fake_game.h"
#include "tests/platform/languages.h"

namespace {

using engine::BoardPosition;
using engine::GAME_OVER;
using engine::NO_GAME;
using platform::Rect;

const QRgb BACKGROUND = qRgb(0x80, 0x60, 0x40);
const QRgb SHADOW = qRgb(0x44, 0x27, 0x0C);
const QRgb BLACK = qRgb(0, 0, 0);
const QRgb WHITE = qRgb(0xFF, 0xFF, 0xFF);
const QRgb RAISED1 = qRgb(0x94, 0x94, 0x94);
const QRgb FLAT1 = qRgb(0x80, 0x80, 0x80);
const QRgb FLAT2 = qRgb(0xE0, 0xE0, 0xE0);
const QRgb GARBAGE = qRgb(0x12, 0x34, 0x56);

// The panels of the minimum client area.
const Rect PANEL1{310, 22, 417, 97};
const Rect PANEL2{310, 111, 417, 186};

// Fonts A and B of a 107-pixel panel.
const QFont FONT_A = FontByCharacterHeight("Arial", QFont::SansSerif, 12);
const QFont FONT_B = FontByCharacterHeight("Times", QFont::Serif, 9);

class PanelTest : public testing::Test {
protected:
    PanelTest()
    {
        panel1.SetLevel(0);
        panel2.SetLevel(0);
        image.fill(BACKGROUND);
    }

    // Side to move, its move count and the disc counts.
    void SetGame(int side, int moveCount = 4, int count1 = 2, int count2 = 2)
    {
        BoardPosition& position = game.position;
        position.sideToMove = side;
        position.moveCount = moveCount;
        position.discCount1 = count1;
        position.discCount2 = count2;
    }
    void LayOut(PlayerPanel& panel, const Rect& rect)
    {
        platform::DrawingContext context(image);
        panel.Layout(&context, rect);
    }
    void LayOutBoth()
    {
        LayOut(panel1, PANEL1);
        LayOut(panel2, PANEL2);
    }
    void Paint(PlayerPanel& panel, bool enable = true)
    {
        platform::DrawingContext context(image);
        if (enable)
            panel.EnableAndPaint(&context);
        else
            panel.Paint(&context);
    }
    QRgb At(int x, int y) const { return image.pixel(x, y); }

    // Whether `text` in `font` stands with its top-left corner at (x, y) on a
    // plain `ground`: every pixel that the text covers on its own has exactly
    // the same value in the image.
    ::testing::AssertionResult TextAt(int x, int y, const QString& text, const QFont& font, QRgb ground) const
    {
        QImage reference(image.size(), QImage::Format_RGB32);
        reference.fill(ground);
        {
            platform::DrawingContext context(reference);
            context.Text(x, y, text, font, QColor(BLACK));
        }
        int inked = 0;
        for (int py = 0; py < image.height(); ++py)
            for (int px = 0; px < image.width(); ++px) {
                if (reference.pixel(px, py) == ground)
                    continue;
                ++inked;
                if (image.pixel(px, py) != reference.pixel(px, py))
                    return ::testing::AssertionFailure() << "differs at " << px << "," << py;
            }
        if (inked == 0)
            return ::testing::AssertionFailure() << "the text covers no pixel";
        return ::testing::AssertionSuccess();
    }
    // Whether the rectangle of the image holds exactly the picture.
    bool Shows(const Rect& r, const QImage& picture) const
    {
        return !picture.isNull() && picture.size() == QSize(r.Width(), r.Height()) &&
               image.copy(r.ToQRect()) == picture;
    }
    bool Plain(const Rect& r, QRgb colour) const
    {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (image.pixel(x, y) != colour)
                    return false;
        return true;
    }

    FakeGame game;
    PlayerPanel panel1{1, game, game.Target(), QColor(BACKGROUND)};
    PlayerPanel panel2{2, game, game.Target(), QColor(BACKGROUND)};
    QImage image{500, 320, QImage::Format_RGB32};
};

// The character height is the em: a 12-pixel Arial has the cell of the
// classic face, ascent 11 and descent 3, as its metric twin Liberation Sans
// does; likewise Times and Liberation Serif.
TEST(PanelFonts, CharacterHeightIsTheEm)
{
    for (int height : {9, 12, 33}) {
        EXPECT_EQ(QFontInfo(FontByCharacterHeight("Arial", QFont::SansSerif, height)).pixelSize(), height);
        EXPECT_EQ(QFontInfo(FontByCharacterHeight("Times", QFont::Serif, height)).pixelSize(), height);
    }
    const QFont a = FontByCharacterHeight("Arial", QFont::SansSerif, 12);
    const QFont b = FontByCharacterHeight("Times", QFont::Serif, 9);
    if (QFontInfo(a).family() != "Liberation Sans" || QFontInfo(b).family() != "Liberation Serif")
        GTEST_SKIP() << "the Liberation faces are not installed";
    EXPECT_EQ(QFontMetrics(a).ascent(), 11);
    EXPECT_EQ(QFontMetrics(a).descent(), 3);
    EXPECT_EQ(QFontMetrics(b).ascent(), 8);
    EXPECT_EQ(QFontMetrics(b).descent(), 2);
}

TEST(PanelFonts, MissingFaceFallsBackToTheSameFamily)
{
    const QFont sans = FontByCharacterHeight("No Such Face", QFont::SansSerif, 20);
    const QFont serif = FontByCharacterHeight("No Such Face", QFont::Serif, 20);
    EXPECT_EQ(QFontInfo(sans).pixelSize(), 20);
    EXPECT_EQ(QFontInfo(serif).pixelSize(), 20);
    EXPECT_NE(QFontInfo(sans).family(), QFontInfo(serif).family());
}

TEST_F(PanelTest, GeometryAtTheMinimumClientSize)
{
    SetGame(1);
    LayOut(panel1, PANEL1);
    EXPECT_EQ(panel1.homeRect, PANEL1);
    EXPECT_EQ(panel1.stateRect, (Rect{315, 49, 411, 91}));
    EXPECT_EQ(panel1.badgeRect, (Rect{395, 27, 412, 44}));
    EXPECT_EQ(panel1.raisedColour.rgb(), RAISED1);
    EXPECT_EQ(panel1.flatColour.rgb(), FLAT1);
    EXPECT_EQ(panel2.baseRaisedColour.rgb(), qRgb(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(panel2.baseFlatColour.rgb(), FLAT2);
}

// Layout builds, ahead of the paint, the badge and the state picture that
// the game calls for, and nothing else.
TEST_F(PanelTest, LayoutBuildsWhatTheNextPaintShows)
{
    SetGame(1);
    LayOutBoth();
    for (int type = 0; type < PlayerPanel::PICTURE_COUNT; ++type) {
        EXPECT_EQ(panel1.pictures.built[static_cast<size_t>(type)], type == Go || type == ActiveBadge) << type;
        EXPECT_EQ(panel2.pictures.built[static_cast<size_t>(type)], type == IdleBadge) << type;
    }
    EXPECT_EQ(panel1.pictures.pictures[Go].size(), QSize(96, 42));
    EXPECT_EQ(panel1.pictures.pictures[ActiveBadge].size(), QSize(17, 17));
}

TEST_F(PanelTest, NothingIsPaintedBeforeTheWindowsFirstPaint)
{
    SetGame(1);
    LayOutBoth();
    const QImage before = image;
    Paint(panel1, false);
    Paint(panel2, false);
    panel1.Paint(nullptr);  // not even a guard: no back buffer is needed
    EXPECT_EQ(image, before);
    Paint(panel1);
    EXPECT_TRUE(panel1.mayPaint);
    EXPECT_NE(image, before);
}

TEST_F(PanelTest, ClearedBoardShowsFlatPanelsWithDiscAndBadgeOnly)
{
    SetGame(NO_GAME, 0, 0, 0);
    LayOutBoth();
    Paint(panel1);
    Paint(panel2);
    // Body in the flat colour inside a one-pixel black border.
    EXPECT_EQ(At(310, 22), BLACK);
    EXPECT_EQ(At(416, 96), BLACK);
    EXPECT_EQ(At(311, 23), FLAT1);
    EXPECT_EQ(At(415, 95), FLAT1);
    EXPECT_EQ(At(309, 21), BACKGROUND);
    EXPECT_EQ(At(417, 97), BACKGROUND);
    // The disc in (315, 27)-(332, 44): outlined and filled in the player's colour.
    EXPECT_EQ(At(323, 35), BLACK);
    EXPECT_EQ(At(323, 35 + 89), WHITE);
    EXPECT_EQ(At(315, 35 + 89), BLACK);
    EXPECT_EQ(At(315, 27), FLAT1);
    EXPECT_EQ(At(332, 35), FLAT1);
    EXPECT_TRUE(Shows(panel1.badgeRect, panel1.pictures.pictures[IdleBadge]));
    EXPECT_TRUE(Shows(panel2.badgeRect, panel2.pictures.pictures[IdleBadge]));
    // No count, no state picture, no message.
    EXPECT_TRUE(Plain({333, 24, 394, 48}, FLAT1));
    EXPECT_TRUE(Plain({311, 45, 416, 96}, FLAT1));
    EXPECT_TRUE(Plain({311, 45 + 89, 416, 96 + 89}, FLAT2));
}

TEST_F(PanelTest, CountTextSingularAndPlural)
{
    SetGame(GAME_OVER, 0, 1, 0);
    LayOutBoth();
    Paint(panel1);
    Paint(panel2);
    EXPECT_TRUE(TextAt(337, 28, "1 piece", FONT_A, FLAT1));
    EXPECT_TRUE(TextAt(337, 117, "0 pieces", FONT_A, FLAT2));

    SetGame(GAME_OVER, 0, 35, 29);
    Paint(panel1);
    Paint(panel2);
    EXPECT_TRUE(TextAt(337, 28, "35 pieces", FONT_A, FLAT1));
    EXPECT_TRUE(TextAt(337, 117, "29 pieces", FONT_A, FLAT2));
}

TEST_F(PanelTest, RaisedPanelMovesUpLeftWithShadow)
{
    SetGame(1, 4, 2, 2);
    LayOutBoth();
    Paint(panel1);
    // Moved by d = 1: body (309, 21)-(416, 96).
    EXPECT_EQ(At(309, 21), BLACK);
    EXPECT_EQ(At(415, 95), BLACK);
    EXPECT_EQ(At(310, 22), RAISED1);
    EXPECT_EQ(At(414, 94), RAISED1);
    // Shadow s2 = 2 wide to the right and below, background beside its ends.
    EXPECT_TRUE(Plain({416, 23, 418, 98}, SHADOW));
    EXPECT_TRUE(Plain({311, 96, 418, 98}, SHADOW));
    EXPECT_TRUE(Plain({416, 21, 418, 23}, BACKGROUND));
    EXPECT_TRUE(Plain({309, 96, 311, 98}, BACKGROUND));
    EXPECT_EQ(At(418, 50), BACKGROUND);
    EXPECT_EQ(At(350, 98), BACKGROUND);

    EXPECT_TRUE(Shows(panel1.badgeRect.Moved(-1, -1), panel1.pictures.pictures[ActiveBadge]));
    EXPECT_TRUE(TextAt(336, 27, "2 pieces", FONT_A, RAISED1));
    // The state picture at (314, 48)-(410, 90), the message over its plain
    // lower part.
    EXPECT_TRUE(TextAt(334, 78, "It's your turn", FONT_B, RAISED1));
    const QImage& go = panel1.pictures.pictures[Go];
    EXPECT_EQ(image.copy(314, 48, 96, 25), go.copy(0, 0, 96, 25));
    EXPECT_EQ(At(314, 89), go.pixel(0, 41));
    EXPECT_EQ(At(409, 89), go.pixel(95, 41));
}

TEST_F(PanelTest, StatePictureChoice)
{
    struct Case {
        const char* what;
        int side, moveCount, count1, count2, kind1, kind2;
        bool robotPassed;
        PanelPictureType picture1, picture2;
    };
    const Case cases[] = {
        {"no game", NO_GAME, 0, 0, 0, 0, 3, false, NoPicture, NoPicture},
        {"human to move", 1, 4, 2, 2, 0, 3, false, Go, NoPicture},
        {"human must pass", 2, 0, 20, 5, 3, 0, false, NoPicture, MustPass},
        {"robot thinking", 2, 5, 3, 3, 0, 3, false, NoPicture, Thinking},
        {"robot thinking with no move", 1, 0, 3, 3, 4, 0, false, Thinking, NoPicture},
        {"robot had to pass", 1, 6, 9, 9, 0, 3, true, Go, HadToPass},
        {"human passed by button", 2, 6, 9, 9, 0, 0, false, NoPicture, Go},
        {"player 1 wins", GAME_OVER, 0, 40, 24, 0, 3, false, Win, Lose},
        {"player 2 wins", GAME_OVER, 0, 10, 54, 0, 3, false, Lose, Win},
        {"tie", GAME_OVER, 0, 32, 32, 0, 3, false, Tie, Tie},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetGame(c.side, c.moveCount, c.count1, c.count2);
        game.kinds[0] = c.kind1;
        game.kinds[1] = c.kind2;
        game.robotPassed = c.robotPassed;
        EXPECT_EQ(panel1.ChooseStatePicture(), c.picture1);
        EXPECT_EQ(panel2.ChooseStatePicture(), c.picture2);
    }
}

// Each state picture with its message lines, on the player-1 panel.
TEST_F(PanelTest, StatePicturesAndTheirMessages)
{
    struct Line {
        const char* text;
        int x, y;  // on the panel as painted (raised panels moved by 1)
    };
    struct Case {
        const char* what;
        int side, moveCount, count1, count2, kind1;
        bool robotPassed;
        PanelPictureType picture;
        bool raised;
        std::vector<Line> lines;
    };
    const Case cases[] = {
        {"go", 1, 4, 2, 2, 0, false, Go, true, {{"It's your turn", 334, 78}}},
        {"must pass",
         1,
         0,
         2,
         2,
         0,
         false,
         MustPass,
         true,
         {{"You can't move", 331, 73}, {"Click \u201cPass\u201d", 332, 84}}},
        {"thinking", 1, 4, 2, 2, 2, false, Thinking, true, {{"It's my turn", 336, 73}, {"Please wait", 336, 84}}},
        {"had to pass", 2, 4, 2, 2, 2, true, HadToPass, false, {{"I had to pass", 336, 79}}},
        {"win", GAME_OVER, 0, 3, 2, 0, false, Win, false, {}},
        {"lose", GAME_OVER, 0, 2, 3, 0, false, Lose, false, {}},
        {"tie", GAME_OVER, 0, 2, 2, 0, false, Tie, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        image.fill(BACKGROUND);
        SetGame(c.side, c.moveCount, c.count1, c.count2);
        game.kinds[0] = c.kind1;
        game.robotPassed = c.robotPassed;
        LayOut(panel1, PANEL1);
        EXPECT_TRUE(panel1.pictures.built[c.picture]);
        Paint(panel1);
        const int shift = c.raised ? -1 : 0;
        const Rect state = panel1.stateRect.Moved(shift, shift);
        const QImage& picture = panel1.pictures.pictures[c.picture];
        EXPECT_EQ(At(panel1.homeRect.left + 40 + shift, panel1.homeRect.top + 3 + shift), c.raised ? RAISED1 : FLAT1);
        if (c.lines.empty()) {
            EXPECT_TRUE(Shows(state, picture));
            continue;
        }
        // The picture's upper part is intact; the lines stand on its plain lower part.
        EXPECT_EQ(image.copy(state.left, state.top, state.Width(), 20), picture.copy(0, 0, state.Width(), 20));
        for (const Line& line : c.lines)
            EXPECT_TRUE(TextAt(line.x, line.y, QString::fromUtf8(line.text), FONT_B, c.raised ? RAISED1 : FLAT1))
                << line.text;
    }
}

TEST_F(PanelTest, SwitchingFromRaisedToFlatLeavesNoTraces)
{
    image.fill(GARBAGE);
    SetGame(1);
    LayOut(panel1, PANEL1);
    Paint(panel1);
    // The raised look covers (L - d, T - d)-(R + s1, B + s1) entirely.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool covered = x >= 309 && x < 418 && y >= 21 && y < 98;
            ASSERT_EQ(At(x, y) != GARBAGE, covered) << x << "," << y;
        }
    SetGame(2);
    Paint(panel1);
    for (int y = 21; y < 98; ++y) {
        for (int x = 309; x < 418; ++x) {
            if (!PANEL1.Contains(x, y)) {
                ASSERT_EQ(At(x, y), BACKGROUND) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(At(310, 22), BLACK);
    EXPECT_EQ(At(311, 23), FLAT1);
}

TEST_F(PanelTest, NarrowPanelsShrinkBorderAndShadow)
{
    // w = 60: s1 = 0 so the border is one pixel; s2 = d = 1.
    SetGame(1);
    LayOut(panel1, {100, 100, 160, 142});
    image.fill(GARBAGE);
    Paint(panel1);
    EXPECT_EQ(At(99, 99), BLACK);
    EXPECT_EQ(At(100, 100), RAISED1);
    EXPECT_EQ(At(158, 140), BLACK);
    EXPECT_EQ(At(157, 139), RAISED1);
    EXPECT_EQ(At(159, 120), SHADOW);
    EXPECT_EQ(At(130, 141), SHADOW);
    EXPECT_EQ(At(159, 99), BACKGROUND);
    EXPECT_EQ(At(160, 120), GARBAGE);
    EXPECT_EQ(At(130, 142), GARBAGE);

    // w = 30: neither shifted nor shadowed.
    LayOut(panel1, {200, 200, 230, 221});
    image.fill(GARBAGE);
    Paint(panel1);
    EXPECT_EQ(At(200, 200), BLACK);
    EXPECT_EQ(At(229, 220), BLACK);
    EXPECT_EQ(At(201, 201), RAISED1);
    // The ring of pixels just outside the home rectangle is untouched.
    for (int x = 199; x <= 230; ++x) {
        EXPECT_EQ(At(x, 199), GARBAGE) << x;
        EXPECT_EQ(At(x, 221), GARBAGE) << x;
    }
    for (int y = 199; y <= 221; ++y) {
        EXPECT_EQ(At(199, y), GARBAGE) << y;
        EXPECT_EQ(At(230, y), GARBAGE) << y;
    }
}

TEST_F(PanelTest, LevelChangeDropsOnlyTheBadges)
{
    SetGame(1);
    LayOut(panel1, PANEL1);
    Paint(panel1);
    const QImage humanBadge = panel1.pictures.pictures[ActiveBadge];
    const qint64 go = panel1.pictures.pictures[Go].cacheKey();

    panel1.SetLevel(0);  // unchanged: keeps everything
    EXPECT_TRUE(panel1.pictures.built[ActiveBadge]);

    panel1.SetLevel(3);
    EXPECT_FALSE(panel1.pictures.built[ActiveBadge]);
    EXPECT_FALSE(panel1.pictures.built[IdleBadge]);
    EXPECT_TRUE(panel1.pictures.built[Go]);
    EXPECT_EQ(panel1.pictures.pictures[Go].cacheKey(), go);

    // The next paint builds the new level's badge.
    Paint(panel1);
    EXPECT_TRUE(panel1.pictures.built[ActiveBadge]);
    EXPECT_NE(panel1.pictures.pictures[ActiveBadge], humanBadge);
    EXPECT_TRUE(Shows(panel1.badgeRect.Moved(-1, -1), panel1.pictures.pictures[ActiveBadge]));
}

TEST_F(PanelTest, ActiveAndIdleBadgesDifferOnlyInBackground)
{
    SetGame(1);
    LayOut(panel1, {0, 0, 400, 283});
    Paint(panel1);
    SetGame(2);
    Paint(panel1);
    const QImage& active = panel1.pictures.pictures[ActiveBadge];
    const QImage& idle = panel1.pictures.pictures[IdleBadge];
    ASSERT_EQ(active.size(), QSize(64, 64));
    ASSERT_EQ(idle.size(), active.size());
    EXPECT_EQ(active.pixel(0, 0), RAISED1);
    EXPECT_EQ(idle.pixel(0, 0), FLAT1);
    EXPECT_EQ(active.pixel(32, 32), idle.pixel(32, 32));
}

TEST_F(PanelTest, PaintWithoutContextDrawsIntoTheBackBuffer)
{
    game.BackBuffer(QSize(500, 320), GARBAGE);
    SetGame(2);
    LayOutBoth();
    panel2.mayPaint = true;
    panel2.Paint(nullptr);
    EXPECT_EQ(game.surface.Image().pixel(309, 110), BLACK);
    EXPECT_EQ(game.surface.Image().pixel(310, 111), qRgb(0xF0, 0xF0, 0xF0));
}

TEST_F(PanelTest, MinimisedWindowLaysOutAtWidthZero)
{
    SetGame(1);
    LayOut(panel1, {0, 0, 0, 0});
    Paint(panel1);
    EXPECT_EQ(panel1.stateRect.Width(), 0);
    EXPECT_EQ(panel1.badgeRect.Width(), 0);
}

// In every language the panel speaks, at the smallest panel, at the panel of
// an 800 by 600 window and at a large one, the message lines end on the state
// picture and the disc count ends before the badge.
class PanelTextsFit : public testing::TestWithParam<std::string> {};

TEST_P(PanelTextsFit, OnTheStatePictureAndBeforeTheBadge)
{
    if (QFontInfo(FontByCharacterHeight("Times", QFont::Serif, 9)).family() != "Liberation Serif")
        GTEST_SKIP() << "the Liberation faces are not installed";
    const platform::Translations translations{QLocale(QString::fromStdString(GetParam()))};
    struct Case {
        const char* what;
        int side, moveCount, kind, count;
        bool robotPassed;
    };
    const Case cases[] = {
        {"go", 1, 4, 0, 1, false},
        {"must pass", 1, 0, 0, 64, false},
        {"thinking", 1, 4, 5, 2, false},
        {"had to pass", 2, 4, 5, 0, true},
    };
    for (int w : {107, 200, 400}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.what << " at width " << w);
            FakeGame game;
            game.position.sideToMove = c.side;
            game.position.moveCount = c.moveCount;
            game.position.discCount1 = c.count;
            game.kinds[0] = c.kind;
            game.robotPassed = c.robotPassed;
            PlayerPanel panel(1, game, game.Target(), QColor(BACKGROUND));
            panel.SetLevel(c.kind);
            QImage image(w + 20, w + 20, QImage::Format_RGB32);
            platform::DrawingContext context(image);
            panel.Layout(&context, {10, 10, 10 + w, 10 + (17 * w) / 24});
            panel.EnableAndPaint(&context);

            const bool raised = c.side == 1;
            const int shift = raised ? -(w / 40 - w / 80) : 0;
            const Rect state = panel.stateRect.Moved(shift, shift);
            const Rect badge = panel.badgeRect.Moved(shift, shift);
            const int border = std::max(w / 80, 1);
            const Rect strip{state.right, state.top, panel.homeRect.right + shift - border, state.bottom};
            const QColor body = raised ? panel.raisedColour : panel.flatColour;
            for (int y = strip.top; y < strip.bottom; ++y)
                for (int x = strip.left; x < strip.right; ++x)
                    ASSERT_EQ(image.pixel(x, y), body.rgb()) << "a message runs past the picture at " << x << "," << y;
            EXPECT_EQ(image.copy(badge.ToQRect()), panel.pictures.pictures[raised ? ActiveBadge : IdleBadge])
                << "the count runs into the badge";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, PanelTextsFit, testing::ValuesIn(ProgramLanguages()));

}  // namespace

// What a panel reads to assistive technology: the same states as the
// pictures above, in words, the kind from the badge and the count as drawn.
TEST_F(PanelTest, TextSaysWhatThePanelShows)
{
    struct Case {
        const char* what;
        int side, moveCount, count1, count2, kind1, kind2;
        bool robotPassed;
        const char *text1, *text2;
    };
    const Case cases[] = {
        {"no game: no count", NO_GAME, 0, 0, 0, 0, 3, false, "Player 1, human", "Player 2, robot level 3"},
        {"human to move", 1, 4, 2, 2, 0, 3, false, "Player 1, human, 2 pieces, your turn",
         "Player 2, robot level 3, 2 pieces"},
        {"human must pass, one piece", 2, 0, 20, 1, 3, 0, false, "Player 1, robot level 3, 20 pieces",
         "Player 2, human, 1 piece, can't move, click Pass"},
        {"robot thinking", 2, 5, 3, 3, 0, 6, false, "Player 1, human, 3 pieces",
         "Player 2, robot level 6, 3 pieces, thinking"},
        {"robot had to pass", 1, 6, 9, 0, 0, 1, true, "Player 1, human, 9 pieces, your turn",
         "Player 2, robot level 1, 0 pieces, had to pass"},
        {"player 1 wins", GAME_OVER, 0, 40, 24, 0, 3, false, "Player 1, human, 40 pieces, won",
         "Player 2, robot level 3, 24 pieces, lost"},
        {"tie", GAME_OVER, 0, 32, 32, 2, 3, false, "Player 1, robot level 2, 32 pieces, tied",
         "Player 2, robot level 3, 32 pieces, tied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetGame(c.side, c.moveCount, c.count1, c.count2);
        game.kinds[0] = c.kind1;
        game.kinds[1] = c.kind2;
        panel1.SetLevel(c.kind1);
        panel2.SetLevel(c.kind2);
        game.robotPassed = c.robotPassed;
        EXPECT_EQ(panel1.Text(), QString::fromUtf8(c.text1));
        EXPECT_EQ(panel2.Text(), QString::fromUtf8(c.text2));
    }
}

// The kind is the one the badge shows, which follows the game's kind only at
// the next turn update.
TEST_F(PanelTest, TextNamesTheKindOfTheBadge)
{
    SetGame(2);
    game.kinds[0] = 5;
    EXPECT_EQ(panel1.Text(), QStringLiteral("Player 1, human, 2 pieces"));
    panel1.SetLevel(5);
    EXPECT_EQ(panel1.Text(), QStringLiteral("Player 1, robot level 5, 2 pieces"));
}

TEST_F(PanelTest, AccessiblePanelIsStaticTextWhereThePanelIs)
{
    QWidget host;
    host.setGeometry(40, 30, 500, 320);
    host.show();
    SetGame(1);
    LayOutBoth();
    platform::WindowSurface hostSurface(&host);
    AccessiblePanel accessible(panel1, &host, hostSurface);
    EXPECT_EQ(accessible.role(), QAccessible::StaticText);
    EXPECT_EQ(accessible.text(QAccessible::Name), QStringLiteral("Player 1, human, 2 pieces, your turn"));
    EXPECT_EQ(accessible.rect(), QRect(host.mapToGlobal(QPoint(310, 22)), QSize(107, 75)));
    EXPECT_EQ(accessible.childCount(), 0);
    EXPECT_FALSE(accessible.state().invisible);
    // On a screen of ratio 2 the panel's device pixels take half as many
    // logical ones.
    hostSurface.Resize(QSize(500, 320), 2.0);
    EXPECT_EQ(accessible.rect(), QRect(host.mapToGlobal(QPoint(155, 11)), QSize(54, 38)));
    host.hide();
    EXPECT_TRUE(accessible.state().invisible);
}

// On a screen of a higher ratio the panel's border and its disc's outline
// are at least a scaled pixel wide, so that they look as at ratio 1.
class PanelRatioTest : public PanelTest, public testing::WithParamInterface<qreal> {};

TEST_P(PanelRatioTest, BorderAndDiscOutlineAreAScaledPixelWide)
{
    const int thinnest = platform::ScaledLength(1, GetParam());
    SetGame(2);
    {
        platform::DrawingContext context(image);
        panel2.Layout(&context, PANEL2, GetParam());
    }
    Paint(panel2);
    // Raised by a pixel: the border from x = 309, the white disc's outline
    // from x = 314 along its middle row.
    for (int k = 0; k < thinnest; ++k) {
        EXPECT_EQ(At(309 + k, 150), BLACK) << k;
        EXPECT_EQ(At(314 + k, 123), BLACK) << k;
    }
    EXPECT_EQ(At(309 + thinnest, 150), qRgb(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(At(314 + thinnest, 123), WHITE);
}

INSTANTIATE_TEST_SUITE_P(Ratios, PanelRatioTest, testing::Values(1.0, 1.5, 2.0));
