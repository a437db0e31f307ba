// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built quellix-engine program and checks its output and its
// handling of bad input.
#include <gtest/gtest.h>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "engine/game_text.h"
#include "engine/notation.h"
#include "engine/robot.h"
#include "engine/selfplay.h"
#include "engine/solver.h"
#include "positions.h"
#include "quellix_version.h"

extern char** environ;

namespace engine {
namespace {

struct ToolRun {
    std::string out;
    std::string err;
    int status = -1;  // exit status, or -1 if the program did not exit normally
};

ToolRun runTool(const std::vector<std::string>& arguments)
{
    std::vector<std::string> words = {QUELLIX_ENGINE_TOOL};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int outPipe[2];
    int errPipe[2];
    ToolRun run;
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, outPipe[0]);
    posix_spawn_file_actions_addclose(&actions, errPipe[0]);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errPipe[1]);

    // Read both pipes until both are closed, so neither can fill up.
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&run.out, &run.err};
    int open = 2;
    while (spawned == 0 && open > 0) {
        if (poll(fds, 2, -1) < 0)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char buffer[4096];
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(got));
            } else {
                fds[i].fd = -1;
                --open;
            }
        }
    }
    close(outPipe[0]);
    close(errPipe[0]);
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    return run;
}

std::string positionText(const BoardPosition& position, int side)
{
    std::string text;
    for (int square = 0; square < 64; ++square) {
        text += position.squares[square] == 1 ? 'X' : position.squares[square] == 2 ? 'O' : '.';
    }
    return text + (side == 1 ? 'X' : 'O');
}

const std::string START = std::string(27, '.') + "OX......XO" + std::string(27, '.') + "X";

void expectRejected(const std::vector<std::string>& arguments)
{
    const ToolRun run = runTool(arguments);
    std::string shown;
    for (const std::string& argument : arguments)
        shown += " [" + argument + "]";
    EXPECT_EQ(run.status, 2) << shown;
    EXPECT_EQ(run.out, "") << shown;
    // One line naming the problem.
    ASSERT_FALSE(run.err.empty()) << shown;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << shown << ": " << run.err;
}

TEST(EngineTool, PerftCountsLeaves)
{
    const ToolRun run = runTool({"perft", "5"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1396\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(runTool({"perft", "0"}).out, "1\n");
}

TEST(EngineTool, EvalPrintsSixHexDigits)
{
    BoardPosition position;
    position.setStartPosition();
    EXPECT_EQ(runTool({"eval", START, "0"}).out, "0x414541\n");
    position.applyMove(19);
    const ToolRun run = runTool({"eval", positionText(position, 2), "4"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "0x414244\n");
    EXPECT_EQ(run.err, "");
    // Colour 2 wiped out: the game is over, and with no parent moves the
    // disc difference is counted twice.
    const std::string over = "XXX" + std::string(61, '.') + "O";
    EXPECT_EQ(runTool({"eval", over, "0"}).out, "0x444144\n");
}

TEST(EngineTool, PassStateIsSetUpAsAfterAMove)
{
    // Colour 2 cannot move, colour 1 can: the pass state, evaluated with
    // mobility a - b for colour 2 to move.
    BoardPosition position = positionFromText("XO......"
                                              "XOOO...."
                                              "X......."
                                              "........"
                                              "........"
                                              "........"
                                              "........"
                                              "........"
                                              "X");
    position.applyMove(2);
    ASSERT_EQ(position.moveCount, 0);
    const std::string text = positionText(position, 2);
    char expected[16];
    std::snprintf(expected, sizeof expected, "0x%06X\n", static_cast<unsigned>(position.evaluate(3)));
    EXPECT_EQ(runTool({"eval", text, "3"}).out, expected);
    expectRejected({"choose", text, "3", "1"});
    expectRejected({"hint", text});
    expectRejected({"solve", text});
}

TEST(EngineTool, ChooseMatchesTheEngine)
{
    // Opening: one draw modulo 4 from seed 0 (38 % 4 = 2, square 37).
    EXPECT_EQ(runTool({"choose", START, "3", "0"}).out, "37 2531011\n");

    const std::vector<BoardPosition> positions = randomGamePositions(41, 1);
    const std::atomic<bool> notCancelled{false};
    for (size_t i = 10; i < positions.size(); i += 17) {
        const BoardPosition& position = positions[i];
        if (position.moveCount == 0)
            continue;
        Random random(4294967295u);
        const int32_t square = chooseRobotMove(position, 4, random, notCancelled);
        const std::string expected = std::to_string(square) + " " + std::to_string(random.seed()) + "\n";
        const ToolRun run = runTool({"choose", positionText(position, position.sideToMove), "4", "4294967295"});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, expected);
        EXPECT_EQ(run.err, "");
    }
}

TEST(EngineTool, HintMatchesTheEngine)
{
    EXPECT_EQ(runTool({"hint", START}).out, "19\n");
    const std::vector<BoardPosition> positions = randomGamePositions(43, 1);
    const std::atomic<bool> notCancelled{false};
    for (size_t i = 12; i < positions.size(); i += 19) {
        const BoardPosition& position = positions[i];
        if (position.moveCount == 0)
            continue;
        const ToolRun run = runTool({"hint", positionText(position, position.sideToMove)});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, std::to_string(chooseHint(position, notCancelled)) + "\n");
        EXPECT_EQ(run.err, "");
    }
}

TEST(EngineTool, SolvePrintsExactValuesThenNodesAndTime)
{
    // A position of a random game with 12 empty squares and several moves.
    BoardPosition position;
    for (const BoardPosition& candidate : randomGamePositions(47, 4)) {
        if (candidate.discCount1 + candidate.discCount2 == 52 && candidate.moveCount >= 3) {
            position = candidate;
            break;
        }
    }
    ASSERT_GE(position.moveCount, 3);
    const std::atomic<bool> notCancelled{false};
    const auto entry = [](const MoveValue& move) {
        return squareName(move.square) + (move.value > 0 ? ":+" : ":") + std::to_string(move.value);
    };
    std::string all;
    for (const MoveValue& move : solveMoves(position, notCancelled)) {
        if (!all.empty())
            all += ' ';
        all += entry(move);
    }
    const std::regex counts("nodes [0-9]+ time [0-9]+\\.[0-9]{3} s\n");
    for (const bool bestOnly : {false, true}) {
        const ToolRun run = bestOnly ? runTool({"solve", "--best", formatPosition(position)})
                                     : runTool({"solve", formatPosition(position)});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        const size_t lineEnd = run.out.find('\n');
        ASSERT_NE(lineEnd, std::string::npos) << run.out;
        EXPECT_EQ(run.out.substr(0, lineEnd), bestOnly ? entry(solveBest(position, notCancelled)) : all);
        EXPECT_TRUE(std::regex_match(run.out.substr(lineEnd + 1), counts)) << run.out;
    }
}

TEST(EngineTool, SelfPlayPrintsMovesAndResult)
{
    const SelfPlayResult game = selfPlay(12, 2, 1);
    std::string expected;
    for (int32_t move : game.moves) {
        if (!expected.empty())
            expected += ' ';
        expected += std::to_string(move);
    }
    expected += "\nresult " + std::to_string(game.discCount1) + " " + std::to_string(game.discCount2) + "\n";
    const ToolRun run = runTool({"selfplay", "12", "2", "1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
}

TEST(EngineTool, ReplayReadsEveryFormAndPrintsTheEndAndTheTranscript)
{
    const std::string afterF5 = formatPosition(parseTranscript("f5").record.last());
    const std::string afterC3 = formatPosition(parseTranscript("f5d6c3").record.last()) + "\n";
    const std::string file = "/tmp/quellix-tool-replay-" + std::to_string(::getpid()) + ".ggf";
    std::ofstream(file) << "(;GM[Othello]PB[Ann]PW[Bob]B[f5]W[d6]B[c3];)\n";
    ::setenv("SOURCE_DATE_EPOCH", "86400", 1);
    const std::string ggfHead = "(;GM[Othello]PC[Quellix]DT[1970.01.02_00:00:00.UTC]";
    const std::string ggfTail = "]RE[?]TY[8]BO[8 " + std::string(27, '-') + "O*------*O" + std::string(27, '-') +
                                " *]B[F5]W[D6]B[C3];)\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"replay", "1. F5 d6 2. c3"}, afterC3 + "f5d6c3\n"},
        {{"replay", "d6 c3", afterF5}, afterC3 + "d6c3\n"},
        {{"replay", afterF5 + "\nd6c3"}, afterC3 + "d6c3\n"},
        {{"replay", "(;GM[Othello]B[f5]W[d6]B[c3];)"}, afterC3 + "f5d6c3\n"},
        {{"replay", "--file", file}, afterC3 + "f5d6c3\n"},
        {{"replay", "--ggf", "f5d6c3"}, ggfHead + "PB[Player 1]PW[Player 2" + ggfTail},
        {{"replay", "--file", file, "--ggf"}, ggfHead + "PB[Ann]PW[Bob" + ggfTail},
    };
    for (const auto& [arguments, out] : cases) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.status, 0) << arguments[1];
        EXPECT_EQ(run.out, out) << arguments[1];
        EXPECT_EQ(run.err, "") << arguments[1];
    }
    ::unsetenv("SOURCE_DATE_EPOCH");
    ::unlink(file.c_str());
    const ToolRun bad = runTool({"replay", "f5 d6 c3 d3 c4 c4"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "quellix-engine: move 6 \"c4\": not a legal move for light\n");
    EXPECT_EQ(runTool({"replay", "--file", file}).err, "quellix-engine: " + file + ": no such file\n");
}

TEST(EngineTool, HelpAndVersionAnswerOnStandardOutput)
{
    for (const char* option : {"--help", "-h"}) {
        const ToolRun help = runTool({option});
        EXPECT_EQ(help.status, 0) << option;
        EXPECT_EQ(help.err, "") << option;
        // The usage line first, then every command with its arguments.
        EXPECT_EQ(help.out.rfind("usage: quellix-engine ", 0), 0u) << help.out;
        for (const char* command : {"perft DEPTH", "eval POSITION PARENT_MOVES", "choose POSITION LEVEL",
                                    "solve [--best] POSITION", "selfplay SEED LEVEL1 LEVEL2", "bench", "replay [--ggf]"})
            EXPECT_NE(help.out.find(command), std::string::npos) << command;
    }
    const ToolRun version = runTool({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("quellix-engine ") + QUELLIX_VERSION + "\n");
    EXPECT_EQ(version.err, "");
}

TEST(EngineTool, RejectsBadInvocations)
{
    const std::string wrongCharacter = std::string(64, '.') + "x";
    const std::string badSide = std::string(27, '.') + "OX......XO" + std::string(27, '.') + ".";
    const std::string over = "XXX" + std::string(61, '.') + "O";
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"nonsense"},
        {"Perft", "3"},
        {"perft"},
        {"perft", "3", "4"},
        {"perft", "-1"},
        {"perft", "+3"},
        {"perft", " 3"},
        {"perft", ""},
        {"perft", "3x"},
        {"perft", "13"},
        {"perft", "99999999999999999999999"},
        {"eval", START},
        {"eval", START.substr(1), "0"},
        {"eval", START + ".", "0"},
        {"eval", wrongCharacter, "0"},
        {"eval", badSide, "0"},
        {"eval", START, "49"},
        {"eval", START, "-0"},
        {"choose", START, "0", "1"},
        {"choose", START, "7", "1"},
        {"choose", START, "3", "4294967296"},
        {"choose", START, "3", "-1"},
        {"choose", START, "3"},
        {"choose", over, "3", "1"},
        {"hint"},
        {"hint", START, "6"},
        {"hint", START.substr(1)},
        {"hint", badSide},
        {"hint", over},
        {"solve"},
        {"solve", "--best"},
        {"solve", START, "--best"},
        {"solve", "--all", START},
        {"solve", "--best", START, START},
        {"solve", START.substr(1)},
        {"solve", over},
        {"selfplay", "1", "1"},
        {"selfplay", "1", "0", "3"},
        {"selfplay", "1", "3", "10"},
        {"selfplay", "18446744073709551617", "1", "1"},
        {"bench", "1"},
        {"replay"},
        {"replay", "f5", START, "d6"},
        {"replay", "--file"},
        {"replay", "--file", "game.ggf", "f5"},
        {"replay", "f5", START.substr(1)},
        {"replay", "f5 f5"},
        {"--help", "perft"},
        {"perft", "--help"},
        {"--version", "1"},
        {"--Help"},
        {"-v"},
    };
    for (const std::vector<std::string>& arguments : cases)
        expectRejected(arguments);
    // An argument repeated in a message: control bytes escaped, a long one cut.
    const std::string shown = "quellix-engine: unknown sub-command '\\x1B[2J\\x0A" + std::string(195, 'p') + "...'; ";
    EXPECT_EQ(runTool({"\x1B[2J\n" + std::string(300, 'p')}).err.substr(0, shown.size()), shown);
}

}  // namespace
}  // namespace engine
