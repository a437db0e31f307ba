// SPDX-License-Identifier: GPL-3.0-or-later
// A player's panel beside the board: disc, disc count, level badge, and the
// state picture with its message lines; raised for the player to move.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "board/drawing_context_guard.h"
#include "board/pictures.h"
#include "game/game_state.h"
#include "platform/drawing_context.h"
#include "platform/geometry.h"

enum PanelPictureType {
    Win = 0,
    Lose = 1,
    Tie = 2,
    Go = 3,
    MustPass = 4,
    Thinking = 5,
    HadToPass = 6,
    ActiveBadge = 7,
    IdleBadge = 8,
    NoPicture = -1,
};

// A font of the named face whose characters are `height` pixels tall: the
// character height is the em, the cell without its internal leading, which
// is what a pixel size sets. A missing face gives way to another face of the
// same family (sans or serif) at the same height.
QFont FontByCharacterHeight(const QString& face, QFont::StyleHint family, int height);

class PlayerPanel {
public:
    static constexpr int PICTURE_COUNT = 9;

    // The panel of `player` (1 or 2) in `game`, drawn outside painting into
    // `target`, clearing around itself in the window's `background` colour.
    PlayerPanel(int player, const GameState& game, DrawingTarget target, QColor background);

    // Takes the panel's rectangle, in device pixels of a screen of `ratio`,
    // and builds the pictures the next paint shows.
    void Layout(platform::DrawingContext* context, const platform::Rect& rect, qreal ratio = 1.0);
    void SetLevel(int kind);
    void Paint(platform::DrawingContext* context);
    void EnableAndPaint(platform::DrawingContext* context);
    void DiscardBadges(platform::DrawingContext* context);

    // The state picture for the game as it is now, or NoPicture.
    PanelPictureType ChooseStatePicture() const;
    // What the panel shows, in words, for assistive technology: the player,
    // the kind its badge shows, the disc count as drawn and the state
    // picture's meaning, each left out where the panel shows none ("Player 1,
    // human, 2 pieces, your turn").
    QString Text() const;

    QColor raisedColour;
    QColor flatColour;
    QColor baseRaisedColour;
    QColor baseFlatColour;
    int player;
    platform::Rect homeRect;
    PictureCache<PICTURE_COUNT> pictures;
    platform::Rect stateRect;
    platform::Rect badgeRect;
    int level = 0;
    bool mayPaint = false;

private:
    const GameState& game_;
    const DrawingTarget target_;
    const QColor background_;
    qreal ratio_ = 1.0;

    // Whether this panel's player is the side to move.
    bool IsToMove() const;
    void DrawPicture(platform::DrawingContext* context, const platform::Rect& r, PanelPictureType type);
    void BuildPicture(platform::DrawingContext* context, PanelPictureType type);
};
