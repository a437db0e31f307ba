// SPDX-License-Identifier: GPL-3.0-or-later
// Transcripts and positions as text: the scanners that every reader of game
// text shares, and the transcript's own reading and writing.
#include <algorithm>

#include "engine/notation.h"
#include "engine/text_scan.h"

namespace engine {

namespace text {

namespace {

// Errors quote at most this much of the offending text.
constexpr std::size_t MAX_FOUND = 40;

// The length of the UTF-8 character whose first byte is `lead` (1 for a
// byte that starts none, so that scanning always moves on).
std::size_t characterLength(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2)
        return 2;
    return 1;
}

// The one character at `offset`.
std::string_view characterAt(std::string_view whole, std::size_t offset)
{
    const std::size_t length = characterLength(static_cast<unsigned char>(whole[offset]));
    return whole.substr(offset, std::min(length, whole.size() - offset));
}

// What a square's letter holds: 0 empty, 1 dark, 2 light, -1 no square.
int squareContent(char c)
{
    switch (c) {
    case '.':
    case '-':
        return 0;
    case 'X':
    case 'x':
    case '*':
        return 1;
    case 'O':
    case 'o':
        return 2;
    default:
        return -1;
    }
}

bool isMoveSeparator(char c)
{
    return isSpace(c) || c == ',' || c == ';';
}

// The square or pass that a move's text starts with, and its length in
// bytes; length 0 when it starts with neither.
struct WrittenMove {
    int move = NO_MOVE;
    std::size_t length = 0;
};

WrittenMove writtenMoveAt(std::string_view rest)
{
    if (startsWithWord(rest, "pass"))
        return {NO_MOVE, 4};
    if (startsWithWord(rest, "pa") || rest.substr(0, 2) == "--")
        return {NO_MOVE, 2};
    // A letter and one digit, not followed by another digit ("f55" is no square).
    if (rest.size() >= 2 && isLetter(rest[0]) && isDigit(rest[1]) && (rest.size() == 2 || !isDigit(rest[2]))) {
        const int square = parseSquare(rest.substr(0, 2));
        if (square != NO_MOVE)
            return {square, 2};
    }
    return {};
}

}  // namespace

bool startsWithWord(std::string_view text, std::string_view word)
{
    return text.size() >= word.size() && equalsWord(text.substr(0, word.size()), word);
}

bool equalsWord(std::string_view text, std::string_view word)
{
    return text.size() == word.size() &&
           std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) { return lower(a) == b; });
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

ReadError errorAt(std::string_view whole, std::size_t offset, ReadProblem problem, std::string_view found)
{
    ReadError error;
    error.problem = problem;
    error.line = 1;
    error.column = 1;
    offset = std::min(offset, whole.size());
    for (std::size_t i = 0; i < offset; ++i) {
        const auto byte = static_cast<unsigned char>(whole[i]);
        if (byte == '\n') {
            ++error.line;
            error.column = 1;
        } else if ((byte & 0xC0) != 0x80) {  // not a continuation byte
            ++error.column;
        }
    }
    // Shorten to whole characters.
    std::size_t kept = 0;
    while (kept < found.size()) {
        const std::size_t length = characterLength(static_cast<unsigned char>(found[kept]));
        if (kept + length > MAX_FOUND)
            break;
        kept += length;
    }
    error.found = std::string(found.substr(0, std::min(kept, found.size())));
    return error;
}

std::string_view wordAt(std::string_view whole, std::size_t offset)
{
    std::size_t end = offset;
    while (end < whole.size() && !isMoveSeparator(whole[end]))
        ++end;
    return whole.substr(offset, end - offset);
}

bool scanPosition(std::string_view whole, std::size_t& offset, BoardPosition& position, ReadError& error)
{
    std::size_t i = offset;
    const auto skipSpace = [&] {
        while (i < whole.size() && isSpace(whole[i]))
            ++i;
    };
    position.clear();
    for (int square = 0; square < 64; ++square) {
        skipSpace();
        const int content = i < whole.size() ? squareContent(whole[i]) : -1;
        if (content < 0) {
            error = errorAt(whole, i, ReadProblem::BadBoard, i < whole.size() ? characterAt(whole, i) : "");
            return false;
        }
        position.squares[square] = content;
        ++i;
    }
    skipSpace();
    const int side = i < whole.size() ? squareContent(whole[i]) : -1;
    if (side < 1) {  // also an empty square's letter
        error = errorAt(whole, i, ReadProblem::BadSide, i < whole.size() ? characterAt(whole, i) : "");
        return false;
    }
    ++i;
    settlePosition(position, side);
    // A ';' after the side on its line starts a comment that runs to the end.
    std::size_t after = i;
    while (after < whole.size() && (whole[after] == ' ' || whole[after] == '\t' || whole[after] == '\r'))
        ++after;
    offset = after < whole.size() && whole[after] == ';' ? whole.size() : i;
    return true;
}

ReadProblem playWritten(GameRecord& record, int move)
{
    const BoardPosition& last = record.last();
    if (last.sideToMove < 1)
        return ReadProblem::MoveAfterEnd;
    if (move == NO_MOVE) {
        if (last.moveCount > 0)
            return ReadProblem::PassWithMoves;
        record.append(NO_MOVE);
        return ReadProblem::None;
    }
    // A pass is forced and so may go unwritten.
    if (last.moveCount == 0)
        record.append(NO_MOVE);
    return record.append(move) ? ReadProblem::None : ReadProblem::IllegalMove;
}

void scanMoves(std::string_view whole, std::size_t offset, ReadResult& result)
{
    std::size_t i = offset;
    int number = 0;
    while (true) {
        while (i < whole.size() && isMoveSeparator(whole[i]))
            ++i;
        if (i == whole.size())
            return;
        // A move number: digits and one or more dots ("12.", "1...").
        if (isDigit(whole[i])) {
            std::size_t end = i;
            while (end < whole.size() && isDigit(whole[end]))
                ++end;
            if (end < whole.size() && whole[end] == '.') {
                while (end < whole.size() && whole[end] == '.')
                    ++end;
                i = end;
                continue;
            }
        }
        ++number;
        const WrittenMove written = writtenMoveAt(whole.substr(i));
        if (written.length == 0) {
            result.error = errorAt(whole, i, ReadProblem::NotASquare, wordAt(whole, i));
            result.error.moveNumber = number;
            return;
        }
        const ReadProblem problem = playWritten(result.record, written.move);
        if (problem != ReadProblem::None) {
            result.error = errorAt(whole, i, problem, whole.substr(i, written.length));
            result.error.moveNumber = number;
            if (problem != ReadProblem::MoveAfterEnd)
                result.error.side = result.record.last().sideToMove;
            return;
        }
        i += written.length;
    }
}

}  // namespace text

std::string formatTranscript(const GameRecord& record)
{
    std::string transcript;
    transcript.reserve(static_cast<std::size_t>(record.size()) * 2);
    for (const int32_t move : record.moves()) {
        if (move != NO_MOVE)
            transcript += squareName(move);
    }
    return transcript;
}

ReadResult parseTranscript(std::string_view text)
{
    BoardPosition start;
    start.setStartPosition();
    return parseTranscript(text, start);
}

ReadResult parseTranscript(std::string_view text, const BoardPosition& start)
{
    ReadResult result;
    result.record = GameRecord(start);
    text::scanMoves(text, 0, result);
    return result;
}

ReadResult readPosition(std::string_view whole)
{
    ReadResult result;
    result.form = GameForm::Position;
    std::size_t offset = 0;
    BoardPosition start;
    if (!text::scanPosition(whole, offset, start, result.error))
        return result;
    while (offset < whole.size() && text::isSpace(whole[offset]))
        ++offset;
    if (offset < whole.size()) {
        result.error = text::errorAt(whole, offset, ReadProblem::ExtraText, text::wordAt(whole, offset));
        return result;
    }
    result.record = GameRecord(start);
    return result;
}

std::string formatGameText(const GameRecord& record)
{
    BoardPosition usual;
    usual.setStartPosition();
    const std::string transcript = formatTranscript(record);
    if (samePosition(record.start(), usual) && !transcript.empty())
        return transcript;
    return transcript.empty() ? formatPosition(record.start()) : formatPosition(record.start()) + "\n" + transcript;
}

}  // namespace engine
