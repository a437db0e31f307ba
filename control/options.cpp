// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/options.h"

#include <QString>
#include <iterator>

#include "platform/settings.h"

namespace {

struct OptionEntry {
    const char* entry;
    int defaultValue;
    int highest;  // the values run from 0 to this
};

// By Option, in its order.
constexpr OptionEntry OPTIONS[] = {
    {"LargeMoveMarks", 0, 1},
    {"AnimationSpeed", 0, 2},
    {"ShowMoveValues", 0, 1},
};
static_assert(std::size(OPTIONS) == OPTION_COUNT, "one row for every option");

const QString SETTINGS_SECTION = QStringLiteral("Settings");

const OptionEntry& EntryOf(Option option)
{
    return OPTIONS[static_cast<size_t>(option)];
}

bool InRange(const OptionEntry& option, int value)
{
    return value >= 0 && value <= option.highest;
}

}  // namespace

Options::Options()
{
    for (size_t i = 0; i < values_.size(); ++i)
        values_[i] = OPTIONS[i].defaultValue;
}

Options Options::Read()
{
    std::array<platform::SettingInt, OPTION_COUNT> stored;
    for (size_t i = 0; i < stored.size(); ++i)
        stored[i] = {QString::fromLatin1(OPTIONS[i].entry), OPTIONS[i].defaultValue};
    platform::ReadSettingInts(platform::SettingsFilePath(), SETTINGS_SECTION, stored);
    Options options;
    for (size_t i = 0; i < stored.size(); ++i)
        if (InRange(OPTIONS[i], stored[i].value))
            options.values_[i] = stored[i].value;
    return options;
}

void Options::Set(Option option, int value)
{
    const OptionEntry& entry = EntryOf(option);
    if (!InRange(entry, value))
        return;
    values_[static_cast<std::size_t>(option)] = value;
    const platform::SettingInt setting{QString::fromLatin1(entry.entry), value};
    platform::WriteSettingInts(platform::SettingsFilePath(), SETTINGS_SECTION, {&setting, 1});
}
