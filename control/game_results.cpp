// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/game_results.h"

#include <QString>
#include <algorithm>

#include "control/game_controller.h"
#include "platform/settings.h"

namespace {

const QString RESULTS_SECTION = QStringLiteral("Results");
constexpr int ENTRIES = RESULT_ROWS * RESULT_COLUMNS;

// "Level1Won" to "Level6Tied", then "HumansWon" to "HumansTied": the entry of
// count `index` of the table read row by row.
QString EntryName(int index)
{
    static const char* const columns[RESULT_COLUMNS] = {"Won", "Lost", "Tied"};
    const int row = index / RESULT_COLUMNS;
    const QString prefix = row == HUMANS_ROW ? QStringLiteral("Humans") : QStringLiteral("Level%1").arg(row + 1);
    return prefix + QLatin1String(columns[index % RESULT_COLUMNS]);
}

int& CountAt(ResultTable& table, int index)
{
    return table[static_cast<size_t>(index / RESULT_COLUMNS)][static_cast<size_t>(index % RESULT_COLUMNS)];
}

}  // namespace

GameResults::GameResults(GameController& game) : game_(game), table_(Read())
{
    connect(&game, &GameController::GameStarted, this, [this] { ended_ = false; });
    connect(&game, &GameController::TurnUpdated, this, &GameResults::OnTurnUpdated);
}

void GameResults::Reset()
{
    table_ = {};
    Write(table_);
    emit Changed();
}

void GameResults::OnTurnUpdated()
{
    if (game_.SideToMove() != engine::GAME_OVER || ended_)
        return;
    ended_ = true;
    const int kind1 = game_.PlayerKind(1), kind2 = game_.PlayerKind(2);
    if (IsRobot(kind1) && IsRobot(kind2))
        return;
    // The human's side: player 1 unless only player 2 is human.
    const int side = IsRobot(kind1) ? 2 : 1;
    const int opponentKind = side == 1 ? kind2 : kind1;
    const int row = IsRobot(opponentKind) ? opponentKind - 1 : HUMANS_ROW;
    const int mine = game_.DiscCount(side), theirs = game_.DiscCount(3 - side);
    const int column = mine > theirs ? 0 : mine < theirs ? 1 : 2;
    // Read again before counting, so that a game that another instance of
    // the program counted meanwhile is kept.
    table_ = Read();
    ++CountAt(table_, row * RESULT_COLUMNS + column);
    Write(table_);
    emit Changed();
}

ResultTable GameResults::Read()
{
    std::array<platform::SettingInt, ENTRIES> stored;
    for (int i = 0; i < ENTRIES; ++i)
        stored[static_cast<size_t>(i)] = {EntryName(i), 0};
    platform::ReadSettingInts(platform::SettingsFilePath(), RESULTS_SECTION, stored);
    ResultTable table;
    for (int i = 0; i < ENTRIES; ++i)
        CountAt(table, i) = std::max(0, stored[static_cast<size_t>(i)].value);
    return table;
}

void GameResults::Write(ResultTable table)
{
    std::array<platform::SettingInt, ENTRIES> entries;
    for (int i = 0; i < ENTRIES; ++i)
        entries[static_cast<size_t>(i)] = {EntryName(i), CountAt(table, i)};
    platform::WriteSettingInts(platform::SettingsFilePath(), RESULTS_SECTION, entries);
}
