// SPDX-License-Identifier: GPL-3.0-or-later
// Games as text: transcripts, positions and GGF records read back to the
// same game, what cannot be read and why, and game files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "engine/game_text.h"
#include "engine/notation.h"
#include "engine/selfplay.h"

namespace engine {
namespace {

namespace fs = std::filesystem;

const std::string START = std::string(27, '.') + "OX......XO" + std::string(27, '.') + "X";
// After "d3c3b3e3f5b2f3d6d7a3a1c1": dark must pass, light may play f6 or g3.
const std::string DARK_PASSES = "X.O......O......OOXXXX.....XX......XXX.....X.......X............X";
const std::string TO_PASS = "d3c3b3e3f5b2f3d6d7a3a1c1";
// A whole game of nine moves: light is wiped out.
const std::string SHORTEST = "c4c3c2c5e6d6c6b4a4";

// The record read back from its transcript, from the text Copy writes and
// from the GGF that Save writes. A transcript leaves out a last pass.
void expectReadsBack(const GameRecord& record)
{
    const std::string transcript = formatTranscript(record);
    GameRecord withoutLastPass = record;
    if (!record.empty() && record.moves().back() == NO_MOVE)
        withoutLastPass.truncate(record.size() - 1);
    const ReadResult replayed = parseTranscript(transcript, record.start());
    ASSERT_TRUE(replayed.ok()) << transcript << ": " << describe(replayed.error);
    EXPECT_EQ(replayed.record, withoutLastPass) << transcript;
    EXPECT_EQ(formatTranscript(replayed.record), transcript);
    EXPECT_EQ(readGame(formatGameText(record)).record, withoutLastPass) << formatGameText(record);

    const GameInfo info{"Human", "Robot 3 ]\\", "2024.05.01_13:45:00.UTC", ""};
    const std::string ggf = writeGgf(record, info);
    const ReadResult saved = readGame(ggf);
    ASSERT_TRUE(saved.ok()) << ggf << ": " << describe(saved.error);
    EXPECT_EQ(saved.record, record) << ggf;
    EXPECT_EQ(saved.info.light, info.light);
    const int difference = record.last().discCount1 - record.last().discCount2;
    const std::string result = !record.isOver() ? "?" : (difference > 0 ? "+" : "") + std::to_string(difference) + ".00";
    EXPECT_EQ(saved.info.result, result) << ggf;
}

TEST(GameText, BenchGamesReadBackToTheSameGame)
{
    static constexpr int PAIRINGS[][2] = {{1, 1}, {2, 3}, {4, 4}, {5, 6}, {6, 5}, {6, 6}};
    for (const auto& levels : PAIRINGS) {
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            const SelfPlayResult game = selfPlay(seed, levels[0], levels[1]);
            GameRecord record;
            for (const int32_t move : game.moves)
                ASSERT_TRUE(record.append(move));
            ASSERT_TRUE(record.isOver());
            EXPECT_EQ(record.last().discCount1, game.discCount1);
            EXPECT_EQ(record.last().discCount2, game.discCount2);
            expectReadsBack(record);
        }
    }
}

TEST(GameText, GamesFromAnyMomentReadBack)
{
    int passStarts = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        GameRecord game;
        for (uint32_t draw = seed; !game.isOver();) {
            draw = draw * 1664525u + 1013904223u;
            const BoardPosition& last = game.last();
            game.append(last.moveCount == 0 ? NO_MOVE : last.moves[(draw >> 8) % static_cast<uint32_t>(last.moveCount)]);
        }
        // Starts every 13 moves and at every pass, to the end or cut short.
        for (int from = 0; from < game.size(); ++from) {
            if (from % 13 != 0 && game.moves()[static_cast<size_t>(from)] != NO_MOVE)
                continue;
            passStarts += game.moves()[static_cast<size_t>(from)] == NO_MOVE;
            GameRecord record(game.positionAt(from));
            for (int ply = from; ply < game.size() && ply < from + 5 + static_cast<int>(seed); ++ply)
                record.append(game.moves()[static_cast<size_t>(ply)]);
            expectReadsBack(record);
        }
    }
    EXPECT_GT(passStarts, 0);
}

struct Case {
    std::string text;
    ReadProblem problem;
    std::string expected;  // the transcript read, or the error described
    int plies = -1;        // moves read, passes included (-1: not checked)
};

TEST(GameText, TranscriptsReadLenientlyAndTheirErrorsNameTheMove)
{
    using P = ReadProblem;
    const Case cases[] = {
        {"f5d6c3d3c4", P::None, "f5d6c3d3c4", 5},
        {"1. F5 d6 2. c3, D3\n3.c4 ", P::None, "f5d6c3d3c4", 5},
        {"1.f5 1...d6", P::None, "f5d6", 2},
        {"", P::None, "", 0},
        {TO_PASS + " g3", P::None, TO_PASS + "g3", 14},
        {TO_PASS + " pass G3", P::None, TO_PASS + "g3", 14},
        {TO_PASS + "--g3", P::None, TO_PASS + "g3", 14},
        {TO_PASS + " PA, g3", P::None, TO_PASS + "g3", 14},
        {"f5 d6 c3 d3 c4 x9", P::NotASquare, "move 6 \"x9\": not a square"},
        {"f5 f55", P::NotASquare, "move 2 \"f55\": not a square"},
        {"f5 1 d6", P::NotASquare, "move 2 \"1\": not a square"},
        {"f5 d6 c3 d3 c4 c4", P::IllegalMove, "move 6 \"c4\": not a legal move for light"},
        {"f5 pass", P::PassWithMoves, "move 2 \"pass\": a pass, but light has a legal move"},
        {TO_PASS + " -- --", P::PassWithMoves, "move 14 \"--\": a pass, but light has a legal move"},
        {SHORTEST + " h8", P::MoveAfterEnd, "move 10 \"h8\": a move after the end of the game"},
        {SHORTEST + " pa", P::MoveAfterEnd, "move 10 \"pa\": a move after the end of the game"},
    };
    for (const Case& c : cases) {
        const ReadResult result = parseTranscript(c.text);
        EXPECT_EQ(result.error.problem, c.problem) << c.text;
        EXPECT_EQ(result.ok() ? formatTranscript(result.record) : describe(result.error), c.expected) << c.text;
        if (c.plies >= 0) {
            EXPECT_EQ(result.record.size(), c.plies) << c.text;
        }
    }
}

// BO and the moves of the usual start with its squares in GGF's letters.
const std::string BO_START = "BO[8 " + std::string(27, '-') + "O*------*O" + std::string(27, '-') + " *]";

TEST(GameText, GgfRecordsAndPositionsOfEveryStyleRead)
{
    std::string afterF5 = START;
    afterF5.replace(35, 3, "XXX");
    afterF5.back() = 'O';
    const auto ggfBoard = [](std::string position) {
        for (char& c : position)
            c = c == 'X' ? '*' : c == '.' ? '-' : c;
        return "BO[8 " + position.substr(0, 64) + " " + position.back() + "]";
    };
    using P = ReadProblem;
    const Case cases[] = {
        {"(;GM[Othello]PC[GGS/os]DT[2003.12.15_13:24:03.MST]PB[a\\]b]PW[c]RB[1]RW[2]TI[5:00//02:00]TY[8]"
         "RE[-4.000]" + BO_START + "B[d3//0.01]W[c5/-1.5/0.24]B[f6];)",
         P::None, START + " d3c5f6", 3},
        {"\xEF\xBB\xBF (;B[F5]\r\nW[D6] BO[8 -------- -------- -------- ---O*--- ---*O--- -------- -------- "
         "-------- *]\r\nTY[s8r20] GM[othello];)\r\n",
         P::None, START + " f5d6", 2},
        {"(;GM[Othello]" + ggfBoard(DARK_PASSES) + "B[pass]W[g3];)", P::None, DARK_PASSES + " g3", 2},
        {"(;GM[Othello]" + ggfBoard(DARK_PASSES) + "W[G3/1/2];)", P::None, DARK_PASSES + " g3", 2},
        {"(;GM[Othello]" + ggfBoard(afterF5) + "W[d6];)", P::None, afterF5 + " d6", 1},
        {"(;GM[Othello]C[a note \\] with [brackets]TY[8r]B[f5];)\n(;GM[Othello]B[d3];)", P::None, START + " f5", 1},
        {"--XXXXX--OOOXX-O-OOOXXOX-OXOXOXXOXXXOXXX--XOXOXX-XXXOOO--OOOOO-- X; 7 empties\n-- f5",
         P::None, "..XXXXX..OOOXX.O.OOOXXOX.OXOXOXXOXXXOXXX..XOXOXX.XXXOOO..OOOOO..X ", 0},
        {"........\n........\n........\n...ox...\n...xo...\n........\n........\n........ *", P::None, START + " ", 0},
        {START + "\r\nf5 d6\r\n", P::None, START + " f5d6", 2},
        {DARK_PASSES + "\ng3", P::None, DARK_PASSES + " g3", 2},
        {"XXX" + std::string(61, '.') + "O", P::None, "XXX" + std::string(61, '.') + "X ", 0},
        {"  f5 d6\n", P::None, START + " f5d6", 2},
    };
    for (const Case& c : cases) {
        const ReadResult result = readGame(c.text);
        ASSERT_TRUE(result.ok()) << c.text << ": " << describe(result.error);
        EXPECT_EQ(formatPosition(result.record.start()) + " " + formatTranscript(result.record), c.expected) << c.text;
        EXPECT_EQ(result.record.size(), c.plies) << c.text;
        EXPECT_EQ(result.form, c.text.find("(;") != std::string::npos ? GameForm::Ggf
                               : c.text.find("f5 d6") == 2                ? GameForm::Transcript
                                                                          : GameForm::Position)
            << c.text;
    }
}

// A GGF record of alternate moves of dark and light.
std::string ggfOf(const std::string& transcript, const std::string& head = "GM[Othello]TY[8]")
{
    std::string text = "(;" + head;
    for (size_t i = 0; i + 1 < transcript.size(); i += 2)
        text += (i % 4 == 0 ? "B[" : "W[") + transcript.substr(i, 2) + "]";
    return text + ";)";
}

// A game from a world championship of 1992, published as a diagram of the
// board with each square's move number; its moves read off in that order.
const std::string PUBLISHED_GAME = "f5d6c3d3c4f4c5b3c2e3d2c6b4b5f2e2a3d1c1a4a5f3g4f1e7d7d8e6f6b6e1b1c7a6a7b2f7g3g5"
                                   "h4h5g2h1g1a1a2b7c8b8a8h3h6g6e8h7h2h8g8g7f8";

TEST(GameText, RefusedTextsSayWhyAndWhere)
{
    std::string illegalAt30 = PUBLISHED_GAME;
    illegalAt30.replace(58, 2, "a1");
    using P = ReadProblem;
    const Case cases[] = {
        {"", P::EmptyInput, "no moves, position or game record in the text"},
        {" \r\n\t", P::EmptyInput, "no moves, position or game record in the text"},
        {std::string("f5\0d6", 5), P::NotText, "line 1, column 3: not text"},
        {"f5 \xC3\x28", P::NotText, "line 1, column 4: not text"},
        {"f5\n\x1B", P::NotText, "line 2, column 1: not text"},
        {"\xED\xA0\x80", P::NotText, "line 1, column 1: not text"},
        {std::string(MAX_GAME_TEXT + 1, ' '), P::TooLarge, "larger than 1 MB"},
        {"(;GM[Othello]B[f5]W[d6", P::Unterminated, "line 1, column 20: the game record ends before it is closed"},
        {"(;GM[Othello]\nB[f5]", P::Unterminated, "line 1, column 1: the game record ends before it is closed"},
        {ggfOf(illegalAt30), P::IllegalMove, "move 30 \"a1\": not a legal move for light"},
        {"(;GM[Othello]TY[10];)", P::UnknownVariant, "line 1, column 17 \"10\": a variant Quellix does not play"},
        {"(;TY[8a]GM[Othello];)", P::AntiVariant,
         "line 1, column 6 \"8a\": the variant in which the fewer discs win, which Quellix does not play"},
        {"(;TY[8k];)", P::UnknownVariant, "line 1, column 6 \"8k\": a variant Quellix does not play"},
        {"(;GM[Chess];)", P::UnknownVariant, "line 1, column 6 \"Chess\": a variant Quellix does not play"},
        {"(;BO[10 ---];)", P::UnknownVariant, "line 1, column 6 \"10\": a variant Quellix does not play"},
        {"(;BO[8 --Z];)", P::BadBoard,
         "line 1, column 10 \"Z\": not a square of a board ('.', '-', 'X', '*' or 'O')"},
        {"(;W[f5];)", P::WrongColour, "move 1 \"f5\": a move of light, but dark is to move"},
        {"(;B[f5]W[PA//0.5];)", P::PassWithMoves, "move 2 \"PA\": a pass, but light has a legal move"},
        {"(;B[z9];)", P::NotASquare, "move 1 \"z9\": not a square"},
        {"(;GM[Othello] 12;)", P::BadSyntax, "line 1, column 15 \"12\": not a property of a game record"},
        {"....Z" + START, P::BadBoard, "line 1, column 5 \"Z\": not a square of a board ('.', '-', 'X', '*' or 'O')"},
        {START.substr(0, 64) + "Q", P::BadSide, "line 1, column 65 \"Q\": not a side to move ('X', '*' or 'O')"},
        {START.substr(0, 64), P::BadSide, "line 1, column 65: the side to move is missing"},
        {".....\n", P::BadBoard, "line 2, column 1: the board ends before its 64th square"},
        {START + "\nf5 e9", P::NotASquare, "move 2 \"e9\": not a square"},
    };
    for (const Case& c : cases) {
        const ReadResult result = readGame(c.text);
        EXPECT_EQ(result.error.problem, c.problem) << c.text.substr(0, 80);
        EXPECT_EQ(describe(result.error), c.expected) << c.text.substr(0, 80);
    }
    EXPECT_EQ(readPosition(START + " f5").error.problem, P::ExtraText);
}

TEST(GameText, PublishedGameReplaysToItsEnd)
{
    // The diagram numbers no pass: the two forced ones are put in.
    const ReadResult result = parseTranscript(PUBLISHED_GAME);
    ASSERT_TRUE(result.ok()) << describe(result.error);
    EXPECT_TRUE(result.record.isOver());
    EXPECT_EQ(result.record.size(), 62);
    EXPECT_EQ(result.record.last().discCount1, 20);
    EXPECT_EQ(result.record.last().discCount2, 44);
}

TEST(GameText, FilesAreReadWithCareAndReplacedWhole)
{
    const fs::path folder = fs::temp_directory_path() / ("quellix-game-text-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "full");
    std::ofstream(folder / "full" / "kept") << "kept";
    const fs::path game = folder / "game.ggf";
    const std::string saved = writeGgf(parseTranscript(PUBLISHED_GAME).record, {});
    std::string error;
    ASSERT_TRUE(writeFileAtomically(game, saved, error)) << error;
    ::chmod(game.c_str(), 0640);
    ASSERT_TRUE(writeFileAtomically(game, saved, error)) << error;
    EXPECT_EQ(fs::status(game).permissions(), fs::perms(0640));
    EXPECT_EQ(readGameFile(game).record, parseTranscript(PUBLISHED_GAME).record);

    std::ofstream(folder / "binary") << std::string("f5\0", 3);
    std::ofstream(folder / "large").close();
    fs::resize_file(folder / "large", 2 * MAX_GAME_TEXT);
    EXPECT_EQ(readGameFile(folder / "binary").error.problem, ReadProblem::NotText);
    EXPECT_EQ(readGameFile(folder / "large").error.problem, ReadProblem::TooLarge);
    EXPECT_EQ(readGameFile(folder / "none").error.problem, ReadProblem::FileMissing);
    EXPECT_EQ(describe(readGameFile(folder).error), "cannot be read (Is a directory)");

    // Failures leave what was there and no temporary file.
    EXPECT_FALSE(writeFileAtomically(folder / "no" / "game.ggf", saved, error));
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
    EXPECT_FALSE(writeFileAtomically(folder / "full", saved, error));
    EXPECT_TRUE(fs::exists(folder / "full" / "kept"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 4);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace engine
