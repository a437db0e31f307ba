// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store: integers by section and entry, in one file in
// the INI style of QSettings ("[Section]" lines, then "Entry=value" lines).
// Only the entries asked for are read or changed; every other line of the
// file is kept byte for byte, and no stored value is decoded. The file is
// named by the application's organisation and name (QCoreApplication), so on
// Linux it is ~/.config/ORGANISATION/APPLICATION.conf (or under
// $XDG_CONFIG_HOME when that is an absolute path), its bytes kept as they are.
//
// Reading never blocks: only a regular file is read, and anything else in
// its place (a FIFO, a device, a directory) reads as an empty store. Writing
// replaces the whole file at once (a new file beside it, synced, renamed over
// it), under an advisory lock on FILE.lock, waiting for another writer at
// most SETTINGS_LOCK_WAIT_MS; anything but a regular file at FILE.lock, a
// link included, makes the write give up.
#pragma once

#include <QString>
#include <span>

namespace platform {

// How long a write waits for another writer's lock before it gives up.
inline constexpr int SETTINGS_LOCK_WAIT_MS = 1000;

// One integer entry of a section.
struct SettingInt {
    QString entry;
    int value;
};

// The path of this application's settings file.
QString SettingsFilePath();

// Reads the entries of `section` of `file` from one reading of it, so that
// they all come from the same version of the file. An entry keeps its value
// (the fallback) when it is absent or is not a whole number that fits in 32
// bits. Symbolic links are followed.
void ReadSettingInts(const QString& file, const QString& section, std::span<SettingInt> entries);

// The stored integer of this application's settings file, or `fallback`.
int ReadSettingInt(const QString& section, const QString& entry, int fallback);

// Writes the entries of `section` of `file` together, in one atomic
// replacement of the file: readers and other writers see all of them or
// none. Every other section and entry of the file is kept. A symbolic link is
// followed and its target replaced. Returns false, leaving the file as it
// was, when the lock cannot be had within SETTINGS_LOCK_WAIT_MS, when the
// file is read-only or is not a regular file, or when it cannot be replaced.
bool WriteSettingInts(const QString& file, const QString& section, std::span<const SettingInt> entries);

}  // namespace platform
