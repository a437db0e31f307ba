// The per-user settings store: integers by section and entry. The store is
// named by the application's organisation and name (QCoreApplication), so on
// Linux it is ~/.config/ORGANISATION/APPLICATION.conf.
#pragma once

#include <QString>

namespace platform {

// The stored integer, or `fallback` when the entry is absent or is not a
// whole number that fits in 32 bits.
int ReadSettingInt(const QString& section, const QString& entry, int fallback);
// Writes the integer and saves the store at once. Failures are not reported.
void WriteSettingInt(const QString& section, const QString& entry, int value);

}  // namespace platform
