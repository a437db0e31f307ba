// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/game_text_messages.h"

#include <QCoreApplication>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("GameText", text);
}

// The side, as the reasons name it.
QString SideName(int side)
{
    return side == 2 ? Tr(QT_TRANSLATE_NOOP("GameText", "light")) : Tr(QT_TRANSLATE_NOOP("GameText", "dark"));
}

QString Reason(const engine::ReadError& error)
{
    using engine::ReadProblem;
    const QString found = QString::fromStdString(error.found);
    switch (error.problem) {
    case ReadProblem::None:
        return {};
    case ReadProblem::EmptyInput:
        return Tr(QT_TRANSLATE_NOOP("GameText", "There is no game in it: it is empty."));
    case ReadProblem::NotText:
        return Tr(QT_TRANSLATE_NOOP("GameText", "It is not text."));
    case ReadProblem::TooLarge:
        return Tr(QT_TRANSLATE_NOOP("GameText", "It is larger than 1 MB, far more than any game."));
    case ReadProblem::FileMissing:
        return Tr(QT_TRANSLATE_NOOP("GameText", "There is no such file."));
    case ReadProblem::FileUnreadable:
        return Tr(QT_TRANSLATE_NOOP("GameText", "It cannot be read (%1).")).arg(QString::fromStdString(error.detail));
    case ReadProblem::NotASquare:
        return Tr(QT_TRANSLATE_NOOP("GameText", "\"%1\" is neither a square nor a pass.")).arg(found);
    case ReadProblem::IllegalMove:
        //: %1 a square such as c4, %2 "dark" or "light".
        return Tr(QT_TRANSLATE_NOOP("GameText", "\"%1\" is not a legal move for %2.")).arg(found, SideName(error.side));
    case ReadProblem::PassWithMoves:
        return Tr(QT_TRANSLATE_NOOP("GameText", "%1 may not pass here: it has a legal move."))
            .arg(SideName(error.side));
    case ReadProblem::MoveAfterEnd:
        return Tr(QT_TRANSLATE_NOOP("GameText", "\"%1\" comes after the end of the game.")).arg(found);
    case ReadProblem::WrongColour:
        return Tr(QT_TRANSLATE_NOOP("GameText", "\"%1\" is a move of the side that is not to move.")).arg(found);
    case ReadProblem::UnknownVariant:
        return Tr(QT_TRANSLATE_NOOP("GameText", "It is a game Quellix does not play (\"%1\").")).arg(found);
    case ReadProblem::AntiVariant:
        return Tr(QT_TRANSLATE_NOOP("GameText",
                                    "It is the variant in which the fewer discs win, which Quellix does not play."));
    case ReadProblem::BadBoard:
        return Tr(QT_TRANSLATE_NOOP("GameText", "The board is not 64 squares of empty, dark and light (\"%1\")."))
            .arg(found);
    case ReadProblem::BadSide:
        return Tr(QT_TRANSLATE_NOOP("GameText", "The side to move is missing or unknown (\"%1\").")).arg(found);
    case ReadProblem::Unterminated:
        return Tr(QT_TRANSLATE_NOOP("GameText", "The record ends too soon."));
    case ReadProblem::BadSyntax:
        return Tr(QT_TRANSLATE_NOOP("GameText", "\"%1\" stands where a property of the record must.")).arg(found);
    case ReadProblem::ExtraText:
        return Tr(QT_TRANSLATE_NOOP("GameText", "\"%1\" follows where nothing more may.")).arg(found);
    }
    return {};
}

}  // namespace

QString ReadErrorText(const engine::ReadError& error)
{
    const QString reason = Reason(error);
    if (error.moveNumber > 0)
        //: %1 the number of the move in the text, %2 the reason.
        return Tr(QT_TRANSLATE_NOOP("GameText", "Move %1: %2")).arg(error.moveNumber).arg(reason);
    if (error.line > 0)
        return Tr(QT_TRANSLATE_NOOP("GameText", "Line %1, column %2: %3"))
            .arg(error.line)
            .arg(error.column)
            .arg(reason);
    return reason;
}
