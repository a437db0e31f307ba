// SPDX-License-Identifier: GPL-3.0-or-later
// The small pieces that the readers of game text share: character classes,
// errors placed by line and column, and the scanners of a position and of
// a list of moves, each working on a span of one whole text so that every
// error names its place in that text.
#pragma once

#include <cstddef>
#include <string_view>

#include "engine/board_position.h"
#include "engine/game_text.h"

namespace engine::text {

constexpr bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
constexpr bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Whether `text` begins with `word` (lower case), in either case.
bool startsWithWord(std::string_view text, std::string_view word);
// Whether `text` is `word` (lower case) in either case.
bool equalsWord(std::string_view text, std::string_view word);
// `text` without white space at either end.
std::string_view trimmed(std::string_view text);

// The error `problem` at byte `offset` of `whole`, with its line and column
// and the offending text (shortened to whole characters).
ReadError errorAt(std::string_view whole, std::size_t offset, ReadProblem problem, std::string_view found);

// The word that starts at `offset`: everything up to white space, a comma
// or a semicolon.
std::string_view wordAt(std::string_view whole, std::size_t offset);

// Reads a position from `whole` at `offset` (white space before it is
// skipped): 64 squares and the side to move. On success `position` is
// settled and `offset` stands after the side, or at the end of the text if
// a ';' follows the side on its line (the rest is a comment). False with
// `error` set otherwise.
bool scanPosition(std::string_view whole, std::size_t& offset, BoardPosition& position, ReadError& error);

// Replays the moves written in `whole` from `offset` to the end onto
// `result.record`; sets `result.error` at the first that cannot be played.
void scanMoves(std::string_view whole, std::size_t offset, ReadResult& result);

// The error of playing `move` (a square or NO_MOVE) next in `record`, after
// putting in a pass the side to move must make before a square; None when it
// is played. Shared by transcripts and GGF records.
ReadProblem playWritten(GameRecord& record, int move);

}  // namespace engine::text
