// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/player_panel.h"

#include <QCoreApplication>
#include <QFont>
#include <QStringList>
#include <algorithm>

#include "engine/board_position.h"
#include "platform/resources.h"

using engine::BoardPosition;

namespace {

const QColor SHADOW_COLOUR(0x44, 0x27, 0x0C);
const QColor TEXT_COLOUR(0x00, 0x00, 0x00);

using platform::LoadString;
using platform::StringId;

// The state pictures are composed on a canvas of the state rectangle's shape
// (0.9 by 0.4 of the panel width), the badges on a square one.
constexpr int STATE_CANVAS_WIDTH = 378;
constexpr int STATE_CANVAS_HEIGHT = 168;
constexpr int BADGE_CANVAS_SIZE = 72;

struct Placement {
    const char* name;  // the pair is name + "BIT" and name + "MASK"
    platform::Rect rect;
    bool raised;  // background: raised or flat colour
};

// By PanelPictureType. The badges' name gets the level digit put in.
const Placement PLACEMENTS[PlayerPanel::PICTURE_COUNT] = {
    {"WIN", {66, 41, 314, 129}, false}, {"LOSE", {39, 38, 339, 134}, false}, {"TIE", {78, 38, 302, 134}, false},
    {"GO", {94, 3, 286, 107}, true},    {"PASS", {22, 0, 358, 96}, true},    {"CGO", {23, 0, 355, 88}, true},
    {"PASS", {22, 0, 358, 96}, false},  {"LVL0", {0, 0, 72, 72}, true},      {"LVL0", {0, 0, 72, 72}, false},
};

struct Message {
    StringId text;
    int x, y;  // hundredths of the panel width from its top-left corner
};

// The message lines under each state picture.
struct Messages {
    PanelPictureType type;
    int count;
    Message lines[2];
};
const Messages MESSAGES[] = {
    {Go, 1, {{StringId::YourTurn, 24, 54}, {}}},
    {MustPass, 2, {{StringId::CannotMove, 21, 49}, {StringId::ClickPass, 22, 59}}},
    {Thinking, 2, {{StringId::MyTurn, 26, 49}, {StringId::PleaseWait, 26, 59}}},
    {HadToPass, 1, {{StringId::HadToPass, 25, 54}, {}}},
};

}  // namespace

QFont FontByCharacterHeight(const QString& face, QFont::StyleHint family, int height)
{
    // The old face name "Times" stands for the TrueType Times New Roman, whose
    // vertical metrics set where a line of text sits below its top-left
    // point; asking for that face first lets fontconfig pick a face with the
    // same metrics (Liberation Serif) rather than another Times design.
    QFont font;
    if (face == QStringLiteral("Times"))
        font.setFamilies({QStringLiteral("Times New Roman"), face});
    else
        font.setFamily(face);
    font.setStyleHint(family);
    font.setPixelSize(std::max(height, 1));
    return font;
}

PlayerPanel::PlayerPanel(int player, const GameState& game, DrawingTarget target, QColor background)
    : baseRaisedColour(player == 1 ? QColor(0x94, 0x94, 0x94) : QColor(0xF0, 0xF0, 0xF0)),
      baseFlatColour(player == 1 ? QColor(0x80, 0x80, 0x80) : QColor(0xE0, 0xE0, 0xE0)), player(player), game_(game),
      target_(target), background_(background)
{
}

void PlayerPanel::Layout(platform::DrawingContext* context, const platform::Rect& rect, qreal ratio)
{
    homeRect = rect;
    ratio_ = ratio;
    const int w = rect.Width();
    stateRect.left = rect.left + w / 20;
    stateRect.right = stateRect.left + (18 * w) / 20;
    stateRect.top = rect.top + (26 * w) / 100;
    stateRect.bottom = stateRect.top + (40 * w) / 100;
    badgeRect.right = rect.right - w / 20;
    badgeRect.left = badgeRect.right - (16 * w) / 100;
    badgeRect.top = rect.top + w / 20;
    badgeRect.bottom = badgeRect.top + (16 * w) / 100;

    raisedColour = platform::DrawingContext::Nearest(baseRaisedColour);
    flatColour = platform::DrawingContext::Nearest(baseFlatColour);

    // The size may have changed: drop everything and build what the next
    // paint shows.
    pictures.DiscardAll();
    DiscardBadges(context);
    const PanelPictureType state = ChooseStatePicture();
    if (state != NoPicture)
        BuildPicture(context, state);
}

void PlayerPanel::SetLevel(int kind)
{
    if (kind == level)
        return;
    level = kind;
    DiscardBadges(nullptr);
}

void PlayerPanel::DiscardBadges(platform::DrawingContext* context)
{
    pictures.Discard(ActiveBadge);
    pictures.Discard(IdleBadge);
    if (context != nullptr)
        BuildPicture(context, IsToMove() ? ActiveBadge : IdleBadge);
}

void PlayerPanel::EnableAndPaint(platform::DrawingContext* context)
{
    mayPaint = true;
    Paint(context);
}

bool PlayerPanel::IsToMove() const
{
    return game_.SideToMove() == player;
}

PanelPictureType PlayerPanel::ChooseStatePicture() const
{
    switch (game_.StatusOf(player)) {
    case PlayerStatus::Won:
        return Win;
    case PlayerStatus::Lost:
        return Lose;
    case PlayerStatus::Tied:
        return Tie;
    case PlayerStatus::ToMove:
        return Go;
    case PlayerStatus::MustPass:
        return MustPass;
    case PlayerStatus::Thinking:
        return Thinking;
    case PlayerStatus::HadToPass:
        return HadToPass;
    case PlayerStatus::None:
        break;
    }
    return NoPicture;
}

QString PlayerPanel::Text() const
{
    QStringList parts{QCoreApplication::translate("PlayerPanel", "Player %1").arg(player)};
    parts << (IsRobot(level) ? QCoreApplication::translate("PlayerPanel", "robot level %1").arg(level)
                             : QCoreApplication::translate("PlayerPanel", "human"));
    if (game_.Phase() != GamePhase::NoGame)
        parts << platform::LoadPieceCount(game_.DiscCount(player));
    switch (game_.StatusOf(player)) {
    case PlayerStatus::Won:
        parts << QCoreApplication::translate("PlayerPanel", "won");
        break;
    case PlayerStatus::Lost:
        parts << QCoreApplication::translate("PlayerPanel", "lost");
        break;
    case PlayerStatus::Tied:
        parts << QCoreApplication::translate("PlayerPanel", "tied");
        break;
    case PlayerStatus::ToMove:
        parts << QCoreApplication::translate("PlayerPanel", "your turn");
        break;
    case PlayerStatus::MustPass:
        parts << QCoreApplication::translate("PlayerPanel", "can't move, click Pass");
        break;
    case PlayerStatus::Thinking:
        parts << QCoreApplication::translate("PlayerPanel", "thinking");
        break;
    case PlayerStatus::HadToPass:
        parts << QCoreApplication::translate("PlayerPanel", "had to pass");
        break;
    case PlayerStatus::None:
        break;
    }
    return parts.join(QStringLiteral(", "));
}

void PlayerPanel::Paint(platform::DrawingContext* context)
{
    if (!mayPaint)
        return;
    DrawingContextGuard guard(context, target_);

    const int w = homeRect.Width();
    const int s1 = w / 80;  // shadow of a flat panel's neighbour strip
    const int s2 = w / 40;  // shadow width of a raised panel
    const int d = s2 - s1;  // how far a raised panel moves up and left
    const bool raised = IsToMove();
    const int shift = raised ? -d : 0;
    const platform::Rect home = homeRect.Moved(shift, shift);
    const platform::Rect state = stateRect.Moved(shift, shift);
    const platform::Rect badge = badgeRect.Moved(shift, shift);
    const int L = home.left, T = home.top, R = home.right, B = home.bottom;
    const QColor background = platform::DrawingContext::Nearest(background_);

    // The border and the disc's outline are at least one pixel of the
    // screen's ratio wide.
    const int thinnest = platform::ScaledLength(1, ratio_);
    context->BorderedRect(home, raised ? raisedColour : flatColour, QColor(0, 0, 0), std::max(s1, thinnest));

    // Between them, the raised and the flat look cover the same area
    // (L - d, T - d)-(R + s1, B + s1) of the home rectangle, so switching
    // from one to the other leaves nothing of the old look behind.
    if (raised) {
        const QColor shadow = platform::DrawingContext::Nearest(SHADOW_COLOUR);
        context->FillRect({R, T + s2, R + s2, B + s2}, shadow);
        context->FillRect({L + s2, B, R + s2, B + s2}, shadow);
        context->FillRect({R, T, R + s2, T + s2}, background);
        context->FillRect({L, B, L + s2, B + s2}, background);
    } else {
        context->FillRect({L - d, T - d, L, B - d}, background);
        context->FillRect({L - d, T - d, R - d, T}, background);
        context->FillRect({R, T + s1, R + s1, B + s1}, background);
        context->FillRect({L + s1, B, R + s1, B + s1}, background);
    }

    // The player's disc in the top-left corner.
    const int discLeft = L + w / 20, discTop = T + w / 20, discSize = (16 * w) / 100;
    context->Ellipse({discLeft, discTop, discLeft + discSize, discTop + discSize}, QColor(0, 0, 0),
                     player == 1 ? QColor(0, 0, 0) : QColor(0xFF, 0xFF, 0xFF), thinnest);

    DrawPicture(context, badge, raised ? ActiveBadge : IdleBadge);

    if (game_.Phase() != GamePhase::NoGame) {
        const QString text = platform::LoadPieceCount(game_.DiscCount(player));
        const int height = (9 * w) / 75;
        if (height > 0)
            context->Text(discLeft + discSize + w / 20, discTop + w / 67, text,
                          FontByCharacterHeight(LoadString(StringId::SansFace), QFont::SansSerif, height), TEXT_COLOUR);
    }

    const PanelPictureType type = ChooseStatePicture();
    if (type == NoPicture)
        return;
    DrawPicture(context, state, type);

    const int height = (7 * w) / 75;
    if (height <= 0)
        return;
    const QFont font = FontByCharacterHeight(LoadString(StringId::SerifFace), QFont::Serif, height);
    for (const Messages& messages : MESSAGES) {
        if (messages.type != type)
            continue;
        for (int i = 0; i < messages.count; ++i) {
            const Message& line = messages.lines[i];
            context->Text(L + (line.x * w) / 100, T + (line.y * w) / 100, LoadString(line.text), font, TEXT_COLOUR);
        }
    }
}

void PlayerPanel::DrawPicture(platform::DrawingContext* context, const platform::Rect& r, PanelPictureType type)
{
    if (!pictures.built[type])
        BuildPicture(context, type);
    CopyPicture(*context, r, pictures.pictures[type]);
}

void PlayerPanel::BuildPicture([[maybe_unused]] platform::DrawingContext* context, PanelPictureType type)
{
    const bool badge = type == ActiveBadge || type == IdleBadge;
    const Placement& placement = PLACEMENTS[type];
    QString name = QString::fromLatin1(placement.name);
    if (badge)
        name[3] = QLatin1Char(static_cast<char>('0' + level));

    // A 32-bit RGB canvas, the format of the back buffer, as the raster
    // operations of the masked drawing need. The pictures drawn at double
    // resolution go on a canvas of twice the size, at twice the offsets.
    const bool doubled = platform::UsesDoubleResolution(ratio_);
    const int k = doubled ? 2 : 1;
    QImage canvas = badge ? QImage(k * BADGE_CANVAS_SIZE, k * BADGE_CANVAS_SIZE, QImage::Format_RGB32)
                          : QImage(k * STATE_CANVAS_WIDTH, k * STATE_CANVAS_HEIGHT, QImage::Format_RGB32);
    {
        platform::DrawingContext canvasContext(canvas);
        canvasContext.FillRect(platform::Rect::FromQRect(canvas.rect()), placement.raised ? raisedColour : flatColour);
        const platform::Rect& at = placement.rect;
        DrawNamedPicture(canvasContext, {k * at.left, k * at.top, k * at.right, k * at.bottom}, name, doubled);
    }
    const platform::Rect& target = badge ? badgeRect : stateRect;
    MakeScaledCopy(pictures.pictures[type], {0, 0, target.Width(), target.Height()}, canvas,
                   platform::Rect::FromQRect(canvas.rect()));
    pictures.built[type] = true;
}
