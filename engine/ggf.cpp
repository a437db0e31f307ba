// SPDX-License-Identifier: GPL-3.0-or-later
// GGF, the Generic Game Format of the game servers: "(;" then properties
// NAME[value] in any order then ";)". The ones read here: GM the game, TY
// the game type, BO the board and side to move at the start, B and W the
// moves of dark and light (a square or PA, optionally followed by
// "/evaluation/time"), PB, PW, DT and RE the players, date and result.
// Every other property is skipped; a '\' in a value makes the next
// character part of it, so "\]" does not end the value.
#include <cstdio>
#include <vector>

#include "engine/notation.h"
#include "engine/text_scan.h"

namespace engine {

namespace {

// The name the format gives the game Quellix plays.
constexpr std::string_view GAME_NAME = "othello";

struct Property {
    std::string_view name;
    std::string_view value;  // as written, escapes included
    std::size_t offset;      // of the value in the whole text
};

// A value with its escapes resolved.
std::string unescaped(std::string_view value)
{
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size())
            ++i;
        text += value[i];
    }
    return text;
}

// A value with ']' and '\' escaped and line breaks made spaces.
std::string escaped(std::string_view value)
{
    std::string text;
    for (const char c : value) {
        if (c == ']' || c == '\\')
            text += '\\';
        text += c == '\n' || c == '\r' ? ' ' : c;
    }
    return text;
}

// The first game's properties, or an error.
bool scanProperties(std::string_view whole, std::vector<Property>& properties, ReadError& error)
{
    std::size_t i = 0;
    const auto skipSpace = [&] {
        while (i < whole.size() && text::isSpace(whole[i]))
            ++i;
    };
    skipSpace();
    const std::size_t opening = i;
    if (whole.substr(i, 1) != "(") {
        error = text::errorAt(whole, i, ReadProblem::BadSyntax, text::wordAt(whole, i));
        return false;
    }
    ++i;
    skipSpace();
    if (whole.substr(i, 1) != ";") {
        error = text::errorAt(whole, i, i < whole.size() ? ReadProblem::BadSyntax : ReadProblem::Unterminated,
                              text::wordAt(whole, i));
        return false;
    }
    ++i;
    while (true) {
        skipSpace();
        if (i == whole.size()) {
            error = text::errorAt(whole, opening, ReadProblem::Unterminated, "");
            return false;
        }
        if (whole[i] == ';' && whole.substr(i + 1, 1) == ")")
            return true;
        const std::size_t nameStart = i;
        while (i < whole.size() && text::isLetter(whole[i]))
            ++i;
        const std::string_view name = whole.substr(nameStart, i - nameStart);
        skipSpace();
        if (name.empty() || i == whole.size() || whole[i] != '[') {
            if (i == whole.size())
                error = text::errorAt(whole, opening, ReadProblem::Unterminated, "");
            else
                error = text::errorAt(whole, nameStart, ReadProblem::BadSyntax, text::wordAt(whole, nameStart));
            return false;
        }
        const std::size_t valueStart = ++i;
        while (i < whole.size() && whole[i] != ']')
            i += whole[i] == '\\' ? 2 : 1;
        if (i >= whole.size()) {
            error = text::errorAt(whole, valueStart - 1, ReadProblem::Unterminated, "");
            return false;
        }
        properties.push_back({name, whole.substr(valueStart, i - valueStart), valueStart});
        ++i;
    }
}

// The problem with a game type, or None for one Quellix plays: an optional
// 's' (one of a pair of games played at once), the board size 8, and the
// type letters, each optionally followed by a number. 'r' (a random start,
// which BO holds) changes nothing in the rules; 'a' is the variant in which
// the fewer discs win; every other letter ('k' komi, ...) is a variant
// Quellix does not play.
ReadProblem typeProblem(std::string_view type)
{
    std::size_t i = 0;
    if (i < type.size() && text::lower(type[i]) == 's')
        ++i;
    const std::size_t sizeStart = i;
    while (i < type.size() && text::isDigit(type[i]))
        ++i;
    if (type.substr(sizeStart, i - sizeStart) != "8")
        return ReadProblem::UnknownVariant;
    bool anti = false;
    bool unknown = false;
    while (i < type.size()) {
        const char letter = text::lower(type[i++]);
        anti = anti || letter == 'a';
        unknown = unknown || (letter != 'a' && letter != 'r');
        while (i < type.size() && text::isDigit(type[i]))
            ++i;
    }
    return anti ? ReadProblem::AntiVariant : unknown ? ReadProblem::UnknownVariant : ReadProblem::None;
}

// The start position from BO: "8", then the squares and the side.
bool readBoard(std::string_view whole, const Property& board, BoardPosition& start, ReadError& error)
{
    std::size_t i = board.offset;
    const std::size_t end = board.offset + board.value.size();
    while (i < end && text::isSpace(whole[i]))
        ++i;
    const std::size_t sizeStart = i;
    while (i < end && text::isDigit(whole[i]))
        ++i;
    const std::string_view value = whole.substr(0, end);
    if (whole.substr(sizeStart, i - sizeStart) != "8") {
        error = text::errorAt(whole, sizeStart, ReadProblem::UnknownVariant, text::wordAt(value, sizeStart));
        return false;
    }
    if (!text::scanPosition(value, i, start, error))
        return false;
    while (i < end && text::isSpace(whole[i]))
        ++i;
    if (i < end) {
        error = text::errorAt(whole, i, ReadProblem::ExtraText, whole.substr(i, end - i));
        return false;
    }
    return true;
}

// The move a B or W value names: a square or a pass, before any '/'.
bool moveOf(std::string_view value, int& move)
{
    const std::string_view written = text::trimmed(value.substr(0, value.find('/')));
    if (text::equalsWord(written, "pa") || text::equalsWord(written, "pass")) {
        move = NO_MOVE;
        return true;
    }
    move = parseSquare(written);
    return move != NO_MOVE;
}

}  // namespace

std::string ggfDate(std::time_t moment)
{
    std::tm utc{};
    gmtime_r(&moment, &utc);
    char text[40];
    std::snprintf(text, sizeof text, "%04d.%02d.%02d_%02d:%02d:%02d.UTC", utc.tm_year + 1900, utc.tm_mon + 1,
                  utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

std::string writeGgf(const GameRecord& record, const GameInfo& info)
{
    std::string result = "?";
    if (record.isOver()) {
        const int difference = record.last().discCount1 - record.last().discCount2;
        result = difference > 0 ? "+" : "";
        result += std::to_string(difference) + ".00";
    }
    const BoardPosition& start = record.start();
    std::string board;
    for (const int32_t square : start.squares)
        board += square == 1 ? '*' : square == 2 ? 'O' : '-';
    std::string text = "(;GM[Othello]PC[Quellix]DT[" + escaped(info.date) + "]PB[" + escaped(info.dark) + "]PW[" +
                       escaped(info.light) + "]RE[" + result + "]TY[8]BO[8 " + board +
                       (start.sideToMove == 2 ? " O]" : " *]");
    BoardPosition position = start;
    for (const int32_t move : record.moves()) {
        text += position.sideToMove == 2 ? "W[" : "B[";
        if (move == NO_MOVE) {
            text += "PA]";
        } else {
            const std::string name = squareName(move);
            text += {static_cast<char>(name[0] - 'a' + 'A'), name[1], ']'};
        }
        position.applyMove(move);
    }
    return text + ";)\n";
}

ReadResult readGgf(std::string_view whole)
{
    ReadResult result;
    result.form = GameForm::Ggf;
    std::vector<Property> properties;
    if (!scanProperties(whole, properties, result.error))
        return result;

    BoardPosition start;
    start.setStartPosition();
    std::vector<const Property*> moves;
    const Property* board = nullptr;
    for (const Property& property : properties) {
        const std::string_view value = text::trimmed(property.value);
        ReadProblem problem = ReadProblem::None;
        if (text::equalsWord(property.name, "gm"))
            problem = text::equalsWord(value, GAME_NAME) ? ReadProblem::None : ReadProblem::UnknownVariant;
        else if (text::equalsWord(property.name, "ty"))
            problem = typeProblem(value);
        else if (text::equalsWord(property.name, "bo"))
            board = &property;
        else if (text::equalsWord(property.name, "b") || text::equalsWord(property.name, "w"))
            moves.push_back(&property);
        else if (text::equalsWord(property.name, "pb"))
            result.info.dark = unescaped(value);
        else if (text::equalsWord(property.name, "pw"))
            result.info.light = unescaped(value);
        else if (text::equalsWord(property.name, "dt"))
            result.info.date = unescaped(value);
        else if (text::equalsWord(property.name, "re"))
            result.info.result = unescaped(value);
        if (problem != ReadProblem::None) {
            result.error = text::errorAt(whole, static_cast<std::size_t>(value.data() - whole.data()), problem, value);
            return result;
        }
    }
    if (board && !readBoard(whole, *board, start, result.error))
        return result;

    result.record = GameRecord(start);
    int number = 0;
    for (const Property* property : moves) {
        ++number;
        const int colour = text::equalsWord(property->name, "b") ? 1 : 2;
        const std::string_view written = text::trimmed(property->value);
        int move = NO_MOVE;
        ReadProblem problem = ReadProblem::None;
        const BoardPosition& last = result.record.last();
        if (!moveOf(written, move)) {
            problem = ReadProblem::NotASquare;
        } else if (last.sideToMove >= 1 && colour != last.sideToMove &&
                   (move == NO_MOVE || last.moveCount > 0)) {
            // Only a square of the other colour after a forced pass that
            // the record left out is no wrong colour.
            problem = ReadProblem::WrongColour;
        } else {
            problem = text::playWritten(result.record, move);
        }
        if (problem != ReadProblem::None) {
            // The move as written, without its evaluation and time.
            const std::string_view shown = text::trimmed(written.substr(0, written.find('/')));
            const auto offset = static_cast<std::size_t>(written.data() - whole.data());
            result.error = text::errorAt(whole, offset, problem, shown.empty() ? written : shown);
            result.error.moveNumber = number;
            result.error.side = problem == ReadProblem::WrongColour || problem == ReadProblem::NotASquare
                                    ? colour
                                    : problem == ReadProblem::MoveAfterEnd ? 0 : result.record.last().sideToMove;
            return result;
        }
    }
    return result;
}

}  // namespace engine
