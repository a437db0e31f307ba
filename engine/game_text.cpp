// SPDX-License-Identifier: GPL-3.0-or-later
// Reading text of unknown form, and the errors in the tool's English.
#include "engine/game_text.h"

#include "engine/text_scan.h"

namespace engine {

namespace {

const char* sideName(int side)
{
    return side == 2 ? "light" : "dark";
}

std::string reasonOf(const ReadError& error)
{
    const std::string side = sideName(error.side);
    switch (error.problem) {
    case ReadProblem::None:
        return "no error";
    case ReadProblem::EmptyInput:
        return "no moves, position or game record in the text";
    case ReadProblem::NotText:
        return "not text";
    case ReadProblem::TooLarge:
        return "larger than 1 MB";
    case ReadProblem::FileMissing:
        return "no such file";
    case ReadProblem::FileUnreadable:
        return error.detail.empty() ? "cannot be read" : "cannot be read (" + error.detail + ")";
    case ReadProblem::NotASquare:
        return "not a square";
    case ReadProblem::IllegalMove:
        return "not a legal move for " + side;
    case ReadProblem::PassWithMoves:
        return "a pass, but " + side + " has a legal move";
    case ReadProblem::MoveAfterEnd:
        return "a move after the end of the game";
    case ReadProblem::WrongColour:
        return "a move of " + side + ", but " + sideName(opponent(error.side)) + " is to move";
    case ReadProblem::UnknownVariant:
        return "a variant Quellix does not play";
    case ReadProblem::AntiVariant:
        return "the variant in which the fewer discs win, which Quellix does not play";
    case ReadProblem::BadBoard:
        return error.found.empty() ? "the board ends before its 64th square"
                                   : "not a square of a board ('.', '-', 'X', '*' or 'O')";
    case ReadProblem::BadSide:
        return error.found.empty() ? "the side to move is missing" : "not a side to move ('X', '*' or 'O')";
    case ReadProblem::Unterminated:
        return "the game record ends before it is closed";
    case ReadProblem::BadSyntax:
        return "not a property of a game record";
    case ReadProblem::ExtraText:
        return "text after the position";
    }
    return "unknown problem";
}

// Whether `text` is UTF-8 without NUL bytes and control characters other
// than tab, CR and LF; if not, `error` places the first offending byte.
bool checkText(std::string_view text, ReadError& error)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        bool good = true;
        if (byte < 0x80) {
            good = byte >= 0x20 ? byte != 0x7F : byte == '\t' || byte == '\n' || byte == '\r';
        } else {
            // The range of the second byte rules out overlong forms,
            // surrogates and code points past U+10FFFF.
            unsigned char low = 0x80;
            unsigned char high = 0xBF;
            if (byte >= 0xC2 && byte <= 0xDF) {
                length = 2;
            } else if (byte >= 0xE0 && byte <= 0xEF) {
                length = 3;
                low = byte == 0xE0 ? 0xA0 : 0x80;
                high = byte == 0xED ? 0x9F : 0xBF;
            } else if (byte >= 0xF0 && byte <= 0xF4) {
                length = 4;
                low = byte == 0xF0 ? 0x90 : 0x80;
                high = byte == 0xF4 ? 0x8F : 0xBF;
            } else {
                good = false;
            }
            for (std::size_t k = 1; good && k < length; ++k) {
                const auto next = i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
                good = k == 1 ? next >= low && next <= high : next >= 0x80 && next <= 0xBF;
            }
        }
        if (!good) {
            error = text::errorAt(text, i, ReadProblem::NotText, "");
            return false;
        }
        i += length;
    }
    return true;
}

// Whether the text at `offset` starts a position rather than a transcript:
// its first three letters are all squares of a board. No transcript starts
// so ("--" is a pass, but no move is written with '-', '.', '*', 'x' or 'o').
bool startsPosition(std::string_view text, std::size_t offset)
{
    int letters = 0;
    for (std::size_t i = offset; i < text.size() && letters < 3; ++i) {
        const char c = text::lower(text[i]);
        if (c == '.' || c == '-' || c == '*' || c == 'x' || c == 'o')
            ++letters;
        else if (!text::isSpace(c))
            break;
    }
    return letters == 3;
}

}  // namespace

std::string describe(const ReadError& error)
{
    std::string where;
    if (error.moveNumber > 0)
        where = "move " + std::to_string(error.moveNumber);
    else if (error.line > 0)
        where = "line " + std::to_string(error.line) + ", column " + std::to_string(error.column);
    if (!error.found.empty())
        where += (where.empty() ? "\"" : " \"") + error.found + "\"";
    const std::string reason = reasonOf(error);
    return where.empty() ? reason : where + ": " + reason;
}

ReadResult readGame(std::string_view text)
{
    ReadResult result;
    if (text.size() > MAX_GAME_TEXT) {
        result.error.problem = ReadProblem::TooLarge;
        return result;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    if (!checkText(text, result.error))
        return result;
    std::size_t offset = 0;
    while (offset < text.size() && text::isSpace(text[offset]))
        ++offset;
    if (offset == text.size()) {
        result.error.problem = ReadProblem::EmptyInput;
        return result;
    }
    if (text[offset] == '(')
        return readGgf(text);
    if (startsPosition(text, offset)) {
        result.form = GameForm::Position;
        BoardPosition start;
        if (!text::scanPosition(text, offset, start, result.error))
            return result;
        result.record = GameRecord(start);
    }
    text::scanMoves(text, offset, result);
    return result;
}

}  // namespace engine
