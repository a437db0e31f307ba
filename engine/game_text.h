// SPDX-License-Identifier: GPL-3.0-or-later
// Games as text: the transcript of the moves, a position written as text,
// the game servers' GGF records, reading text of any of these forms from the
// clipboard or a file, and writing a file so that a failure never leaves a
// half-written one.
//
// A transcript is the moves in lower case without separators, passes left
// out ("f5d6c3d3c4"). Reading one is lenient: either case, spaces, commas,
// move numbers ("1. f5 d6 2. c3", "1...d6"), and passes written "--", "pa"
// or "pass". A written pass is checked, an omitted forced pass is put in.
//
// A position is 64 squares ('.' or '-' empty, 'X', 'x' or '*' dark, 'O' or
// 'o' light) and the side to move ('X', 'x', '*', 'O' or 'o'), with any
// white space between squares and before the side, optionally followed by
// ';' and anything (the style of the published endgame test sets).
#pragma once

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/board_position.h"
#include "engine/game_record.h"

namespace engine {

// Larger texts are refused unread: no game record comes near it.
inline constexpr std::size_t MAX_GAME_TEXT = 1u << 20;

// Why a text is not a game. The window turns each into a sentence of its own.
enum class ReadProblem {
    None,
    EmptyInput,      // nothing but white space
    NotText,         // a NUL byte, invalid UTF-8, or a control character other than tab, CR and LF
    TooLarge,        // more than MAX_GAME_TEXT bytes
    FileMissing,     // no file at that path
    FileUnreadable,  // a file that cannot be opened or read; detail says why
    NotASquare,      // a word among the moves that names no square and no pass
    IllegalMove,     // a square the side to move may not play
    PassWithMoves,   // a written pass while the side to move has a legal move
    MoveAfterEnd,    // a move after neither side can move
    WrongColour,     // GGF: a move of the side that is not to move
    UnknownVariant,  // GGF: another game, board size or game type than Quellix plays
    AntiVariant,     // GGF: the variant in which the fewer discs win
    BadBoard,        // a board that is not 64 squares of the known letters
    BadSide,         // the side to move is missing or not a known letter
    Unterminated,    // GGF: the record ends before its ";)" or a value before its ']'
    BadSyntax,       // GGF: something other than a property where one must stand
    ExtraText,       // text after a complete position where nothing may follow
};

// What went wrong and where. Every field the problem concerns is filled in;
// the others keep their zero values.
struct ReadError {
    ReadProblem problem = ReadProblem::None;
    int moveNumber = 0;  // the n-th move written in the text (written passes count), 1-based
    int line = 0;        // where the offending text starts, 1-based
    int column = 0;      // 1-based, in characters
    std::string found;   // the offending text (at most 40 bytes, whole characters)
    int side = 0;        // 1 dark or 2 light: the side to move, or the colour a GGF move names
    std::string detail;  // the system's reason for FileUnreadable
};

// The error in the engine tool's English: `move 12 "c4": not a legal move
// for light`, `line 1, column 37: "Z": not a square of a board`.
std::string describe(const ReadError& error);

enum class GameForm { Transcript, Position, Ggf };

// The players, date and result a GGF record names (PB, PW, DT, RE).
struct GameInfo {
    std::string dark;
    std::string light;
    std::string date;
    std::string result;
};

// A game read, or why it could not be: then `record` holds the moves read
// before the error, from the start read (the usual start if none was).
struct ReadResult {
    GameRecord record;
    ReadError error;
    GameForm form = GameForm::Transcript;
    GameInfo info;  // filled in from a GGF record
    bool ok() const { return error.problem == ReadProblem::None; }
};

// The moves of `record` in lower case without separators, passes left out.
std::string formatTranscript(const GameRecord& record);

// Replays a transcript from the usual start, or from `start` (a position with
// a side to move or in the pass state). A transcript of no moves is a game
// of no moves.
ReadResult parseTranscript(std::string_view text);
ReadResult parseTranscript(std::string_view text, const BoardPosition& start);

// A position alone, in any of the forms above: a record of no moves from it.
// A side that must pass is fine; neither side able to move is a finished game.
ReadResult readPosition(std::string_view text);

// The text the window copies: the transcript for a game from the usual
// start; otherwise the start position on one line (formatPosition) and the
// transcript on the next. readGame reads it back to the same record.
std::string formatGameText(const GameRecord& record);

// A GGF record of the game: PC[Quellix], the date, the players, the result
// for dark (RE[+12.00], RE[-4.00], RE[0.00]; RE[?] while it is not over),
// TY[8], the start in BO and every move, passes written PA. `info.result`
// is not used.
std::string writeGgf(const GameRecord& record, const GameInfo& info);

// The GGF form of a moment in UTC: "2024.05.01_13:45:00.UTC".
std::string ggfDate(std::time_t moment);

// Reads the first game of a GGF text.
ReadResult readGgf(std::string_view text);

// Reads text of unknown form: a GGF record, a position (alone, or with a
// transcript from it on the following lines), or a transcript from the usual
// start. A UTF-8 byte order mark, CRLF line ends and white space around the
// text are fine. Refuses texts larger than MAX_GAME_TEXT and binary data.
ReadResult readGame(std::string_view text);

// readGame on the content of a file. Refuses files larger than
// MAX_GAME_TEXT without reading them, and anything that is not a regular
// file.
ReadResult readGameFile(const std::filesystem::path& path);

// Writes `text` to `path` through a temporary file in the same folder that
// is flushed to the disk and then renamed over the target, so that the
// target is either the old file, whole, or the new one. An existing target
// keeps its permissions. False, with the reason in `error`, on failure.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view text, std::string& error);

}  // namespace engine
