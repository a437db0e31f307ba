// SPDX-License-Identifier: GPL-3.0-or-later
// quellix-engine: the game engine from the command line, for checking the
// rules, the evaluation, the robot's choices and the exact endgame solver
// against expected results.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "engine/board_position.h"
#include "engine/game_text.h"
#include "engine/notation.h"
#include "engine/robot.h"
#include "engine/selfplay.h"
#include "engine/solver.h"
#include "quellix_version.h"

namespace {

using engine::BoardPosition;
using engine::parsePosition;
using engine::SelfPlayResult;

constexpr int EXIT_USAGE = 2;
constexpr uint64_t MAX_PERFT_DEPTH = 12;
constexpr uint64_t MAX_EVAL_PARENT_MOVES = 48;

const char* const USAGE = "usage: quellix-engine perft DEPTH (0..12) | eval POSITION PARENT_MOVES (0..48) | "
                          "choose POSITION LEVEL (1..6) SEED | hint POSITION | solve [--best] POSITION | "
                          "selfplay SEED LEVEL1 LEVEL2 | bench | replay [--ggf] (GAME | TRANSCRIPT POSITION | --file FILE)";

// The longest argument an error message repeats in full.
constexpr std::size_t MAX_SHOWN_ARGUMENT = 200;

// Reports a bad invocation on one line of stderr and returns the exit status.
// Control bytes (which could move the cursor, clear the terminal or start a
// new line) are shown as \xNN, so the message stays one harmless line.
int fail(const std::string& problem)
{
    std::string line;
    for (const char c : problem) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            line += escaped;
        } else {
            line += c;
        }
    }
    std::fprintf(stderr, "quellix-engine: %s\n", line.c_str());
    return EXIT_USAGE;
}

// An argument as an error message repeats it: cut after MAX_SHOWN_ARGUMENT
// bytes, at the start of a UTF-8 character, with "..." marking the cut.
std::string shown(std::string_view argument)
{
    if (argument.size() <= MAX_SHOWN_ARGUMENT)
        return std::string(argument);
    std::size_t end = MAX_SHOWN_ARGUMENT;
    while (end > 0 && (static_cast<unsigned char>(argument[end]) & 0xC0) == 0x80)
        --end;
    return std::string(argument.substr(0, end)) + "...";
}

// A non-negative decimal number no larger than `limit`: digits only, no sign,
// no spaces, not empty.
bool parseNumber(std::string_view text, uint64_t limit, uint64_t& value)
{
    if (text.empty() || text.size() > 20)
        return false;
    uint64_t result = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        const uint64_t digit = static_cast<uint64_t>(c - '0');
        if (result > limit / 10)
            return false;
        result *= 10;
        if (digit > limit - result)
            return false;
        result += digit;
    }
    value = result;
    return true;
}

// FNV-1a over the bytes of 32-bit values: the signature of the bench games.
struct Signature {
    uint32_t value = 2166136261u;
    void add(int32_t v)
    {
        const auto bits = static_cast<uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8) {
            value ^= (bits >> shift) & 0xFFu;
            value *= 16777619u;
        }
    }
};

int runPerft(int argc, char** argv)
{
    if (argc != 3)
        return fail("perft takes one argument: DEPTH");
    uint64_t depth = 0;
    if (!parseNumber(argv[2], MAX_PERFT_DEPTH, depth))
        return fail("DEPTH must be a whole number from 0 to 12");
    BoardPosition start;
    start.setStartPosition();
    std::printf("%llu\n", static_cast<unsigned long long>(engine::perft(start, static_cast<int>(depth))));
    return 0;
}

int runEval(int argc, char** argv)
{
    if (argc != 4)
        return fail("eval takes two arguments: POSITION PARENT_MOVES");
    BoardPosition position;
    if (!parsePosition(argv[2], position))
        return fail("POSITION must be 64 of '.', 'X', 'O' and then 'X' or 'O'");
    uint64_t parentMoves = 0;
    if (!parseNumber(argv[3], MAX_EVAL_PARENT_MOVES, parentMoves)) {
        return fail("PARENT_MOVES must be a whole number from 0 to 48");
    }
    std::printf("0x%06X\n", static_cast<unsigned>(position.evaluate(static_cast<int>(parentMoves))));
    return 0;
}

int runChoose(int argc, char** argv)
{
    if (argc != 5)
        return fail("choose takes three arguments: POSITION LEVEL SEED");
    BoardPosition position;
    if (!parsePosition(argv[2], position))
        return fail("POSITION must be 64 of '.', 'X', 'O' and then 'X' or 'O'");
    uint64_t level = 0;
    if (!parseNumber(argv[3], 6, level) || level < 1)
        return fail("LEVEL must be a whole number from 1 to 6");
    uint64_t seed = 0;
    if (!parseNumber(argv[4], UINT32_MAX, seed))
        return fail("SEED must be a whole number from 0 to 4294967295");
    if (position.moveCount == 0)
        return fail("the side to move has no legal move in POSITION");
    const std::atomic<bool> never{false};
    engine::Random random(static_cast<uint32_t>(seed));
    const int32_t square = engine::chooseRobotMove(position, static_cast<int>(level), random, never);
    std::printf("%d %u\n", static_cast<int>(square), static_cast<unsigned>(random.seed()));
    return 0;
}

int runHint(int argc, char** argv)
{
    if (argc != 3)
        return fail("hint takes one argument: POSITION");
    BoardPosition position;
    if (!parsePosition(argv[2], position))
        return fail("POSITION must be 64 of '.', 'X', 'O' and then 'X' or 'O'");
    if (position.moveCount == 0)
        return fail("the side to move has no legal move in POSITION");
    const std::atomic<bool> never{false};
    std::printf("%d\n", static_cast<int>(engine::chooseHint(position, never)));
    return 0;
}

// Every legal move with its exact final disc difference, best first, or with
// --best only a best move; then the nodes searched and the time taken.
int runSolve(int argc, char** argv)
{
    const bool bestOnly = argc == 4 && std::string_view(argv[2]) == "--best";
    if (argc != 3 && !bestOnly)
        return fail("solve takes one argument, POSITION, after an optional --best");
    BoardPosition position;
    if (!parsePosition(argv[argc - 1], position))
        return fail("POSITION must be 64 of '.', 'X', 'O' and then 'X' or 'O'");
    if (position.moveCount == 0)
        return fail("the side to move has no legal move in POSITION");
    const std::atomic<bool> never{false};
    uint64_t nodes = 0;
    const auto start = std::chrono::steady_clock::now();
    std::vector<engine::MoveValue> values;
    if (bestOnly)
        values.push_back(engine::solveBest(position, never, &nodes));
    else
        values = engine::solveMoves(position, never, &nodes);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::string line;
    for (const engine::MoveValue& move : values) {
        if (!line.empty())
            line += ' ';
        line += engine::squareName(move.square) + (move.value > 0 ? ":+" : ":") + std::to_string(move.value);
    }
    std::printf("%s\nnodes %llu time %.3f s\n", line.c_str(), static_cast<unsigned long long>(nodes),
                elapsed.count());
    return 0;
}

bool parseLevel(const char* text, int& level)
{
    uint64_t value = 0;
    if (!parseNumber(text, 6, value) || value < 1)
        return false;
    level = static_cast<int>(value);
    return true;
}

int runSelfPlay(int argc, char** argv)
{
    if (argc != 5)
        return fail("selfplay takes three arguments: SEED LEVEL1 LEVEL2");
    uint64_t seed = 0;
    if (!parseNumber(argv[2], UINT32_MAX, seed))
        return fail("SEED must be a whole number from 0 to 4294967295");
    int level1 = 0;
    int level2 = 0;
    if (!parseLevel(argv[3], level1))
        return fail("LEVEL1 must be a whole number from 1 to 6");
    if (!parseLevel(argv[4], level2))
        return fail("LEVEL2 must be a whole number from 1 to 6");
    const SelfPlayResult game = engine::selfPlay(static_cast<uint32_t>(seed), level1, level2);
    std::string line;
    for (int32_t move : game.moves) {
        if (!line.empty())
            line += ' ';
        line += std::to_string(move);
    }
    std::printf("%s\nresult %d %d\n", line.c_str(), static_cast<int>(game.discCount1),
                static_cast<int>(game.discCount2));
    return 0;
}

// A fixed workload: whole games at every level, three seeds per pairing.
// Prints one line per game and, last, the total search nodes and a signature
// of every move chosen, which changes with any change in the robot's play.
int runBench(int argc)
{
    if (argc != 2)
        return fail("bench takes no arguments");
    static constexpr int PAIRINGS[][2] = {{1, 1}, {2, 3}, {4, 4}, {5, 6}, {6, 5}, {6, 6}};
    Signature signature;
    uint64_t totalNodes = 0;
    for (const auto& levels : PAIRINGS) {
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            const SelfPlayResult result = engine::selfPlay(seed, levels[0], levels[1]);
            for (int32_t move : result.moves)
                signature.add(move);
            signature.add(result.discCount1);
            signature.add(result.discCount2);
            totalNodes += result.nodes;
            std::printf("game seed %u levels %d %d nodes %llu result %d %d\n", static_cast<unsigned>(seed), levels[0],
                        levels[1], static_cast<unsigned long long>(result.nodes), static_cast<int>(result.discCount1),
                        static_cast<int>(result.discCount2));
        }
    }
    std::printf("bench nodes %llu signature 0x%08X\n", static_cast<unsigned long long>(totalNodes),
                static_cast<unsigned>(signature.value));
    return 0;
}

// The date a GGF record is written with: SOURCE_DATE_EPOCH (seconds since
// 1970) when it is set, so that the output can be reproduced, else now.
bool ggfDateNow(std::string& date)
{
    const char* fixed = std::getenv("SOURCE_DATE_EPOCH");
    uint64_t seconds = 0;
    if (fixed && !parseNumber(fixed, 253402300799u, seconds))  // up to the last second of 9999
        return false;
    date = engine::ggfDate(fixed ? static_cast<std::time_t>(seconds) : std::time(nullptr));
    return true;
}

// Replays a game and prints its last position and its transcript, or the
// GGF record that the game's Save would write of it.
int runReplay(int argc, char** argv)
{
    bool ggf = false;
    const char* file = nullptr;
    std::vector<std::string_view> words;
    for (int i = 2; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--ggf" && !ggf)
            ggf = true;
        else if (word == "--file" && !file && i + 1 < argc)
            file = argv[++i];
        else
            words.push_back(word);
    }
    if (file ? !words.empty() : words.empty() || words.size() > 2)
        return fail("replay takes one game, a transcript and a POSITION, or --file FILE");
    engine::ReadResult game;
    if (file) {
        game = engine::readGameFile(file);
        if (!game.ok())
            return fail(shown(file) + ": " + engine::describe(game.error));
    } else if (words.size() == 2) {
        const engine::ReadResult start = engine::readPosition(words[1]);
        if (!start.ok())
            return fail("POSITION: " + engine::describe(start.error));
        game = engine::parseTranscript(words[0], start.record.start());
    } else {
        game = engine::readGame(words[0]);
    }
    if (!game.ok())
        return fail(engine::describe(game.error));
    if (!ggf) {
        std::printf("%s\n%s\n", engine::formatPosition(game.record.last()).c_str(),
                    engine::formatTranscript(game.record).c_str());
        return 0;
    }
    engine::GameInfo info;
    info.dark = game.info.dark.empty() ? "Player 1" : game.info.dark;
    info.light = game.info.light.empty() ? "Player 2" : game.info.light;
    if (!ggfDateNow(info.date))
        return fail("SOURCE_DATE_EPOCH must be a whole number of seconds");
    std::printf("%s", engine::writeGgf(game.record, info).c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // --help and --version stand alone; with anything after them they are
    // bad input like any other.
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::printf("%s\n\n%s", USAGE,
                    "Runs the Quellix game engine on one task and prints the result on standard output.\n"
                    "A POSITION is 64 characters, one a square, row by row from the top left\n"
                    "('.' empty, 'X' player 1, 'O' player 2), then 'X' or 'O' for the side to move.\n"
                    "A GAME is a transcript of moves (\"f5d6c3\"), a position followed by its\n"
                    "transcript on the next line, or a GGF game record.\n"
                    "solve prints every legal move with the exact final disc difference after it,\n"
                    "best first, then the nodes searched and the time; solve --best one best move.\n"
                    "Bad input is reported on standard error with exit status 2.\n"
                    "See quellix-engine(6) for every command.\n");
        return 0;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("quellix-engine %s\n", QUELLIX_VERSION);
        return 0;
    }
    if (argc < 2)
        return fail(std::string("missing sub-command; ") + USAGE);
    const std::string_view command = argv[1];
    if (command == "perft")
        return runPerft(argc, argv);
    if (command == "eval")
        return runEval(argc, argv);
    if (command == "choose")
        return runChoose(argc, argv);
    if (command == "hint")
        return runHint(argc, argv);
    if (command == "solve")
        return runSolve(argc, argv);
    if (command == "selfplay")
        return runSelfPlay(argc, argv);
    if (command == "bench")
        return runBench(argc);
    if (command == "replay")
        return runReplay(argc, argv);
    return fail("unknown sub-command '" + shown(command) + "'; " + USAGE);
}
