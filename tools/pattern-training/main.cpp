// SPDX-License-Identifier: GPL-3.0-or-later
// Fits the weights of the solver's pattern evaluation (engine/
// pattern_evaluation.h) to exact values:
//
//   pattern-training generate FILE FIRST_SEED GAMES
//     plays GAMES games, each from its own seed: random moves for an opening,
//     then random moves or the robot's to a position with 12 to 17 empty
//     squares, which the solver solves for every move. The position and each
//     of its children, with their exact values, are appended to FILE.
//   pattern-training generate FILE FIRST_SEED GAMES --grandchildren
//     the same, and every child is solved for every move too: its children
//     are appended in its place (more positions per second of solving, and
//     many of them siblings, which the move order has to tell apart).
//   pattern-training fit [--ridge R] [--iterations N] OUTPUT FILE...
//     fits the weights to the positions of the files by least squares (a
//     ridge R, 30 by default, pulls the weights of rare patterns towards 0;
//     N conjugate gradient steps, 150 by default) and writes them to OUTPUT
//     as engine/pattern_weights.bin holds them. One game in ten is held out,
//     and the error on those games is printed.
//
// Everything is deterministic: the same seeds give the same file, and the
// same files the same weights.
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "engine/bitboard.h"
#include "engine/board_position.h"
#include "engine/pattern_evaluation.h"
#include "engine/random.h"
#include "engine/robot.h"
#include "engine/solver.h"

namespace {

using engine::Bitboard;
namespace patterns = engine::patterns;

// One labelled position: the exact final difference for the side to move.
struct Sample {
    uint32_t game;
    Bitboard mover;
    Bitboard opponent;
    int8_t value;
};
constexpr size_t RECORD_SIZE = 4 + 8 + 8 + 1;

void write(std::FILE* file, const Sample& sample)
{
    unsigned char record[RECORD_SIZE];
    for (int i = 0; i < 4; ++i)
        record[i] = static_cast<unsigned char>(sample.game >> (8 * i));
    for (int i = 0; i < 8; ++i) {
        record[4 + i] = static_cast<unsigned char>(sample.mover >> (8 * i));
        record[12 + i] = static_cast<unsigned char>(sample.opponent >> (8 * i));
    }
    record[20] = static_cast<unsigned char>(sample.value);
    std::fwrite(record, 1, RECORD_SIZE, file);
}

bool read(std::FILE* file, Sample& sample)
{
    unsigned char record[RECORD_SIZE];
    if (std::fread(record, 1, RECORD_SIZE, file) != RECORD_SIZE)
        return false;
    sample = {};
    for (int i = 0; i < 4; ++i)
        sample.game |= uint32_t{record[i]} << (8 * i);
    for (int i = 0; i < 8; ++i) {
        sample.mover |= Bitboard{record[4 + i]} << (8 * i);
        sample.opponent |= Bitboard{record[12 + i]} << (8 * i);
    }
    sample.value = static_cast<int8_t>(record[20]);
    return true;
}

// Solves every move of the position and appends it and its children with
// their values; with `deeper`, each child's children as well. Returns the
// nodes searched.
uint64_t label(uint32_t game, Bitboard mover, Bitboard opponent, std::FILE* file, bool deeper)
{
    const std::atomic<bool> never{false};
    engine::BoardPosition position;
    for (int square = 0; square < 64; ++square)
        position.squares[square] = mover >> square & 1 ? 1 : opponent >> square & 1 ? 2 : 0;
    position.sideToMove = 2;  // the side after colour 2, colour 1, is to move
    position.finishMove();
    if (position.sideToMove != 1 || position.moveCount == 0)
        return 0;
    uint64_t nodes = 0;
    const std::vector<engine::MoveValue> values = engine::solveMoves(position, never, &nodes);
    write(file, {game, mover, opponent, static_cast<int8_t>(values.front().value)});
    for (const engine::MoveValue& move : values) {
        const Bitboard turned = engine::flips(mover, opponent, move.square);
        const Bitboard childMover = opponent ^ turned;
        const Bitboard childOpponent = mover | turned | engine::squareBit(move.square);
        if (deeper && engine::legalMoves(childMover, childOpponent))
            nodes += label(game, childMover, childOpponent, file, false);
        else
            write(file, {game, childMover, childOpponent, static_cast<int8_t>(-move.value)});
    }
    return nodes;
}

int generate(const char* path, uint32_t firstSeed, uint32_t games, bool grandchildren)
{
    std::FILE* file = std::fopen(path, "ab");
    if (!file)
        return 1;
    const std::atomic<bool> never{false};
    uint64_t nodes = 0;
    uint32_t solved = 0;
    for (uint32_t game = firstSeed; game < firstSeed + games; ++game) {
        engine::Random random(game);
        const int target = 12 + static_cast<int>(random.below(6));
        const bool robot = random.below(2);
        const int level = 1 + static_cast<int>(random.below(2));
        const int opening = 4 + static_cast<int>(random.below(16));
        engine::BoardPosition position;
        position.setStartPosition();
        for (int ply = 0; position.sideToMove > 0 && 64 - position.discCount1 - position.discCount2 > target; ++ply) {
            int32_t square = engine::NO_MOVE;
            if (position.moveCount > 0) {
                square = robot && ply >= opening
                             ? engine::chooseRobotMove(position, level, random, never)
                             : position.moves[random.below(static_cast<unsigned>(position.moveCount))];
            }
            position.applyMove(square);
        }
        if (position.sideToMove <= 0 || position.moveCount == 0)
            continue;
        const Bitboard mover = engine::discsOf(position, position.sideToMove);
        const Bitboard opponent = engine::discsOf(position, 3 - position.sideToMove);
        nodes += label(game, mover, opponent, file, grandchildren);
        ++solved;
        if (solved % 200 == 0) {
            std::fflush(file);
            std::printf("game %u solved %u nodes %llu\n", game, solved, static_cast<unsigned long long>(nodes));
            std::fflush(stdout);
        }
    }
    std::fclose(file);
    std::printf("solved %u positions, %llu nodes\n", solved, static_cast<unsigned long long>(nodes));
    return 0;
}

// The weights are fitted with the ones the board's symmetries must keep
// equal tied together: a pattern whose squares a symmetry maps onto
// themselves (a row under its mirror image) reads the same configuration
// in two orders. Each pattern index maps to a free variable of the fit.
struct Variables {
    std::vector<int> ofWeight;  // WEIGHT_COUNT entries
    int count = 0;
};

Variables tiedVariables()
{
    Variables variables;
    variables.ofWeight.assign(patterns::WEIGHT_COUNT, -1);
    for (int pattern = 0; pattern < patterns::PATTERN_COUNT; ++pattern) {
        const Bitboard base = patterns::BASE_SQUARES[pattern];
        // The square of each base-3 digit.
        std::vector<int> squareOfDigit(patterns::squareCount(base));
        for (Bitboard b = base; b; b &= b - 1) {
            const int square = std::countr_zero(b);
            int digit = 0;
            for (int power = patterns::patternIndexOf(pattern, engine::squareBit(square), 0); power > 1; power /= 3)
                ++digit;
            squareOfDigit[digit] = square;
        }
        std::vector<int> keeping;
        for (int symmetry = 1; symmetry < 8; ++symmetry) {
            if (patterns::symmetric(base, symmetry) == base)
                keeping.push_back(symmetry);
        }
        const int size = patterns::PATTERN_OFFSETS[pattern + 1] - patterns::PATTERN_OFFSETS[pattern];
        for (int index = 0; index < size; ++index) {
            Bitboard mover = 0;
            Bitboard opponent = 0;
            for (int digit = 0, rest = index; digit < static_cast<int>(squareOfDigit.size()); ++digit, rest /= 3) {
                if (rest % 3 == 1)
                    mover |= engine::squareBit(squareOfDigit[digit]);
                if (rest % 3 == 2)
                    opponent |= engine::squareBit(squareOfDigit[digit]);
            }
            int canonical = index;
            for (int symmetry : keeping) {
                canonical = std::min(canonical, patterns::patternIndexOf(pattern, patterns::symmetric(mover, symmetry),
                                                                         patterns::symmetric(opponent, symmetry)));
            }
            int& variable = variables.ofWeight[patterns::PATTERN_OFFSETS[pattern] + canonical];
            if (variable < 0)
                variable = variables.count++;
            variables.ofWeight[patterns::PATTERN_OFFSETS[pattern] + index] = variable;
        }
    }
    for (int weight = patterns::OWN_MOBILITY_OFFSET; weight < patterns::WEIGHT_COUNT; ++weight)
        variables.ofWeight[weight] = variables.count++;
    return variables;
}

// The weight indices a position reads.
void features(const Sample& sample, std::vector<int>& out)
{
    out.clear();
    patterns::forEachPatternWeight(sample.mover, sample.opponent, [&](int index) { out.push_back(index); });
    const int own = std::popcount(engine::legalMoves(sample.mover, sample.opponent));
    const int other = std::popcount(engine::legalMoves(sample.opponent, sample.mover));
    out.push_back(patterns::OWN_MOBILITY_OFFSET + std::min(own, patterns::MOBILITY_SIZE - 1));
    out.push_back(patterns::OTHER_MOBILITY_OFFSET + std::min(other, patterns::MOBILITY_SIZE - 1));
    out.push_back(patterns::CONSTANT_OFFSET);
}

// The positions as rows of a sparse 0/1 matrix over the variables.
struct Rows {
    std::vector<int> start{0};
    std::vector<int> columns;
    std::vector<double> values;
    size_t size() const { return values.size(); }
};

Rows rowsOf(const std::vector<Sample>& samples, const Variables& variables)
{
    Rows rows;
    std::vector<int> indices;
    for (const Sample& sample : samples) {
        features(sample, indices);
        for (int index : indices)
            rows.columns.push_back(variables.ofWeight[index]);
        rows.start.push_back(static_cast<int>(rows.columns.size()));
        rows.values.push_back(sample.value);
    }
    return rows;
}

double rms(const Rows& rows, const std::vector<double>& x)
{
    double sum = 0;
    for (size_t row = 0; row < rows.size(); ++row) {
        double estimate = 0;
        for (int i = rows.start[row]; i < rows.start[row + 1]; ++i)
            estimate += x[static_cast<size_t>(rows.columns[static_cast<size_t>(i)])];
        sum += (estimate - rows.values[row]) * (estimate - rows.values[row]);
    }
    return std::sqrt(sum / static_cast<double>(std::max<size_t>(rows.size(), 1)));
}

// Least squares with a ridge: minimises |A x - b|^2 + ridge |x|^2 by
// conjugate gradients on the normal equations (CGLS), which needs only
// products with A and its transpose.
std::vector<double> fit(const Rows& rows, int variableCount, double ridge, int iterations, const Rows& heldOut)
{
    const size_t n = static_cast<size_t>(variableCount);
    std::vector<double> x(n, 0.0), s(n), p(n), q(rows.size()), r(rows.values);
    const auto transposedTimes = [&](const std::vector<double>& v, std::vector<double>& out) {
        std::fill(out.begin(), out.end(), 0.0);
        for (size_t row = 0; row < rows.size(); ++row) {
            for (int i = rows.start[row]; i < rows.start[row + 1]; ++i)
                out[static_cast<size_t>(rows.columns[static_cast<size_t>(i)])] += v[row];
        }
    };
    transposedTimes(r, s);
    p = s;
    double gamma = 0;
    for (double v : s)
        gamma += v * v;
    for (int iteration = 1; iteration <= iterations; ++iteration) {
        double delta = 0;
        for (size_t row = 0; row < rows.size(); ++row) {
            double sum = 0;
            for (int i = rows.start[row]; i < rows.start[row + 1]; ++i)
                sum += p[static_cast<size_t>(rows.columns[static_cast<size_t>(i)])];
            q[row] = sum;
            delta += sum * sum;
        }
        for (double v : p)
            delta += ridge * v * v;
        const double alpha = gamma / delta;
        for (size_t i = 0; i < n; ++i)
            x[i] += alpha * p[i];
        for (size_t row = 0; row < rows.size(); ++row)
            r[row] -= alpha * q[row];
        transposedTimes(r, s);
        double next = 0;
        for (size_t i = 0; i < n; ++i) {
            s[i] -= ridge * x[i];
            next += s[i] * s[i];
        }
        const double beta = next / gamma;
        gamma = next;
        for (size_t i = 0; i < n; ++i)
            p[i] = s[i] + beta * p[i];
        if (iteration % 25 == 0) {
            std::printf("iteration %d: rms %.3f held out %.3f\n", iteration, rms(rows, x), rms(heldOut, x));
            std::fflush(stdout);
        }
    }
    return x;
}

int fitFiles(const char* output, int fileCount, char** files, double ridge, int iterations)
{
    std::vector<Sample> training;
    std::vector<Sample> heldOut;
    for (int i = 0; i < fileCount; ++i) {
        std::FILE* file = std::fopen(files[i], "rb");
        if (!file)
            return 1;
        for (Sample sample; read(file, sample);)
            (sample.game % 10 == 9 ? heldOut : training).push_back(sample);
        std::fclose(file);
    }
    std::printf("%zu training positions, %zu held out\n", training.size(), heldOut.size());
    const Variables variables = tiedVariables();
    const Rows trainingRows = rowsOf(training, variables);
    const Rows heldOutRows = rowsOf(heldOut, variables);
    const std::vector<double> x = fit(trainingRows, variables.count, ridge, iterations, heldOutRows);

    // Rounded to int8 in WEIGHT_UNITS parts of a disc, as the program reads them.
    std::vector<int8_t> weights(patterns::WEIGHT_COUNT);
    std::vector<double> rounded(static_cast<size_t>(variables.count));
    int clipped = 0;
    for (int weight = 0; weight < patterns::WEIGHT_COUNT; ++weight) {
        const int variable = variables.ofWeight[static_cast<size_t>(weight)];
        const double units = std::round(x[static_cast<size_t>(variable)] * patterns::WEIGHT_UNITS);
        clipped += std::abs(units) > 127;
        weights[static_cast<size_t>(weight)] = static_cast<int8_t>(std::clamp(units, -127.0, 127.0));
        rounded[static_cast<size_t>(variable)] = weights[static_cast<size_t>(weight)] / double{patterns::WEIGHT_UNITS};
    }
    std::printf("rms in discs: training %.3f, held out %.3f; rounded: held out %.3f; %d weights clipped\n",
                rms(trainingRows, x), rms(heldOutRows, x), rms(heldOutRows, rounded), clipped);
    std::FILE* file = std::fopen(output, "wb");
    if (!file)
        return 1;
    std::fwrite(weights.data(), 1, weights.size(), file);
    std::fclose(file);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "generate" && (argc == 5 || (argc == 6 && std::string_view(argv[5]) == "--grandchildren")))
        return generate(argv[2], static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)),
                        static_cast<uint32_t>(std::strtoul(argv[4], nullptr, 10)), argc == 6);
    if (command == "fit") {
        double ridge = 30;
        int iterations = 150;
        int at = 2;
        for (; at + 1 < argc && argv[at][0] == '-' && argv[at][1] == '-'; at += 2) {
            if (std::string_view(argv[at]) == "--ridge")
                ridge = std::atof(argv[at + 1]);
            else if (std::string_view(argv[at]) == "--iterations")
                iterations = std::atoi(argv[at + 1]);
            else
                break;
        }
        if (argc - at >= 2)
            return fitFiles(argv[at], argc - at - 1, argv + at + 1, ridge, iterations);
    }
    std::fprintf(stderr, "usage: pattern-training generate FILE FIRST_SEED GAMES [--grandchildren]\n"
                         "       pattern-training fit [--ridge R] [--iterations N] OUTPUT FILE...\n");
    return 2;
}
