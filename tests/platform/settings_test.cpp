// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file against what a hostile user or a second instance of the
// program can put in its way: special files in its place, links, a read-only
// file, a lock that is held or cannot be made, and two writers at once.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/settings.h"

namespace {

using platform::SettingInt;

const QString SECTION = QStringLiteral("Settings");
constexpr int NOTHING = -1;  // the fallback of both entries: nothing stored

struct Pair {
    int kind1;
    int kind2;
    bool operator==(const Pair&) const = default;
};

void PrintTo(const Pair& pair, std::ostream* out)
{
    *out << "(" << pair.kind1 << ", " << pair.kind2 << ")";
}

Pair Read(const QString& file)
{
    SettingInt entries[2] = {{QStringLiteral("Player1Level"), NOTHING}, {QStringLiteral("Player2Level"), NOTHING}};
    platform::ReadSettingInts(file, SECTION, entries);
    return {entries[0].value, entries[1].value};
}

bool Write(const QString& file, Pair pair)
{
    const SettingInt entries[2] = {{QStringLiteral("Player1Level"), pair.kind1},
                                   {QStringLiteral("Player2Level"), pair.kind2}};
    return platform::WriteSettingInts(file, SECTION, entries);
}

void MakeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray ONE_TWO = "[Settings]\nPlayer1Level=1\nPlayer2Level=2\n";

// What is at a path, links not followed, and where a link leads: enough to
// tell that a failed write has changed nothing.
std::string Snapshot(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0)
        return "absent";
    std::string what;
    if (S_ISLNK(status.st_mode)) {
        char target[4096] = {};
        [[maybe_unused]] const ssize_t length = ::readlink(name.constData(), target, sizeof target - 1);
        what = std::string("link to ") + target + ", ";
        if (::stat(name.constData(), &status) != 0)
            return what + "unresolved";
    }
    if (S_ISFIFO(status.st_mode))
        return what + "fifo";
    if (S_ISDIR(status.st_mode))
        return what + "directory";
    if (!S_ISREG(status.st_mode))
        return what + "device";
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return what + "unreadable file";
    return what + "file mode " + std::to_string(status.st_mode & 07777) + ": " + file.readAll().toStdString();
}

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Tamsvelder/quellix.conf"));
};

// --- What may stand where the file should be ----------------------------------

struct Place {
    const char* name;
    std::function<void(const QTemporaryDir& dir, const QString& file)> prepare;
    Pair read;      // what reading finds there
    bool writable;  // whether a write succeeds
};

void PrintTo(const Place& place, std::ostream* out)
{
    *out << place.name;
}

class SettingsPlaceTest : public SettingsFileTest, public testing::WithParamInterface<Place> {};

TEST_P(SettingsPlaceTest, ReadsWithoutBlockingAndWritesOnlyARegularFile)
{
    const Place& place = GetParam();
    QDir().mkpath(QFileInfo(file).absolutePath());
    place.prepare(dir, file);
    const std::string before = Snapshot(file);
    const bool wasLink = QFileInfo(file).isSymLink();

    EXPECT_EQ(Read(file), place.read);

    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(Write(file, {4, 5}), place.writable);
    EXPECT_LT(clock.elapsed(), 3000) << "a write must give up after about a second";
    if (place.writable) {
        EXPECT_EQ(Read(file), (Pair{4, 5}));
        EXPECT_EQ(QFileInfo(file).isSymLink(), wasLink) << "a link stays a link, its target is replaced";
    } else {
        EXPECT_EQ(Snapshot(file), before);
    }
}

void Nothing(const QTemporaryDir&, const QString&) {}

// The file holding 1, 2 and `make` making something at its lock path.
Place LockPlace(const char* name, void (*make)(const char* lock), bool writable)
{
    return {name,
            [make](const QTemporaryDir&, const QString& file) {
                MakeFile(file, ONE_TWO);
                make(QFile::encodeName(file + QStringLiteral(".lock")).constData());
            },
            {1, 2},
            writable};
}

INSTANTIATE_TEST_SUITE_P(
    Places, SettingsPlaceTest,
    testing::Values(
        Place{"Absent", Nothing, {NOTHING, NOTHING}, true},
        Place{"RegularFile", [](const QTemporaryDir&, const QString& file) { MakeFile(file, ONE_TWO); }, {1, 2}, true},
        Place{"ReadOnlyFile",
              [](const QTemporaryDir&, const QString& file) {
                  MakeFile(file, ONE_TWO);
                  ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0444), 0);
              },
              {1, 2},
              false},
        Place{"RelativeLinkToAFile",
              [](const QTemporaryDir& dir, const QString& file) {
                  MakeFile(dir.filePath(QStringLiteral("dotfiles/quellix.conf")), ONE_TWO);
                  ASSERT_TRUE(QFile::link(QStringLiteral("../dotfiles/quellix.conf"), file));
              },
              {1, 2},
              true},
        Place{"Fifo",
              [](const QTemporaryDir&, const QString& file) {
                  ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
              },
              {NOTHING, NOTHING},
              false},
        Place{"LinkToAFifo",
              [](const QTemporaryDir& dir, const QString& file) {
                  const QString fifo = dir.filePath(QStringLiteral("fifo"));
                  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
                  ASSERT_TRUE(QFile::link(fifo, file));
              },
              {NOTHING, NOTHING},
              false},
        Place{"LinkToADevice",
              [](const QTemporaryDir&, const QString& file) {
                  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), file));
              },
              {NOTHING, NOTHING},
              false},
        Place{"Directory",
              [](const QTemporaryDir&, const QString& file) { ASSERT_TRUE(QDir().mkpath(file)); },
              {NOTHING, NOTHING},
              false},
        Place{"LinkLoop",
              [](const QTemporaryDir& dir, const QString& file) {
                  ASSERT_TRUE(QFile::link(file, dir.filePath(QStringLiteral("other"))));
                  ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("other")), file));
              },
              {NOTHING, NOTHING},
              false},
        Place{"LockPathIsADirectory",
              [](const QTemporaryDir&, const QString& file) {
                  MakeFile(file, ONE_TWO);
                  ASSERT_TRUE(QDir().mkpath(file + QStringLiteral(".lock")));
              },
              {1, 2},
              false},
        LockPlace(
            "LockPathIsAFifo", [](const char* lock) { ::mkfifo(lock, 0600); }, false),
        LockPlace(
            "LockPathLinksToDevZero", [](const char* lock) { ::symlink("/dev/zero", lock); }, false),
        LockPlace(
            "LockPathIsAHugeSparseFile",
            [](const char* lock) { std::filesystem::resize_file((std::ofstream{lock}, lock), 1ULL << 31); }, true)),
    [](const testing::TestParamInfo<Place>& info) { return std::string(info.param.name); });

// --- The rest of the file ---------------------------------------------------------

TEST_F(SettingsFileTest, AWriteKeepsEveryOtherEntryAndThePermissionsAndLeavesNoScratchFiles)
{
    MakeFile(file, "[General]\ntop=1\n\n[Other]\nname=keep me\n\n[Settings]\nExtra=7\nPlayer1Level=1\n");
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));

    ASSERT_TRUE(Write(file, {4, 5}));

    const QSettings stored(file, QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("top")).toInt(), 1);
    EXPECT_EQ(stored.value(QStringLiteral("Other/name")).toString(), QStringLiteral("keep me"));
    EXPECT_EQ(stored.value(QStringLiteral("Settings/Extra")).toInt(), 7);
    EXPECT_EQ(Read(file), (Pair{4, 5}));
    EXPECT_EQ(QFileInfo(file).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::WriteGroup),
              QFile::Permissions());
    EXPECT_EQ(QDir(QFileInfo(file).absolutePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("quellix.conf")});
}

// --- What the file holds and where it is ---------------------------------------------

QByteArray Bytes(const QByteArray& name)
{
    std::ifstream in(name.toStdString(), std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
}

struct Contents {
    const char* name;
    QByteArray before;  // the file's bytes
    Pair read;
    QByteArray after;              // the file's bytes after writing (4, 5)
    QByteArray configHome = "/c";  // XDG_CONFIG_HOME, under the test folder when absolute
};

class SettingsContentsTest : public SettingsFileTest, public testing::WithParamInterface<Contents> {};

TEST_P(SettingsContentsTest, ReadsOnlyItsEntriesAndAWriteKeepsEveryOtherByte)
{
    const Contents& row = GetParam();
    QCoreApplication::setOrganizationName(QStringLiteral("Tamsvelder"));
    QCoreApplication::setApplicationName(QStringLiteral("quellix"));
    const QByteArray root = QFile::encodeName(dir.path());
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", root + "/home");
    qputenv("XDG_CONFIG_HOME", row.configHome.startsWith('/') ? root + row.configHome : row.configHome);
    const QByteArray folder = row.configHome.startsWith('/') ? root + row.configHome : root + "/home/.config";
    const QByteArray name = folder + "/Tamsvelder/quellix.conf";
    std::filesystem::create_directories((folder + "/Tamsvelder").toStdString());
    std::ofstream(name.toStdString(), std::ios::binary) << row.before.toStdString();

    EXPECT_EQ(Read(platform::SettingsFilePath()), row.read);
    EXPECT_TRUE(Write(platform::SettingsFilePath(), {4, 5}));
    EXPECT_EQ(Bytes(name), row.after);
    EXPECT_EQ(Read(platform::SettingsFilePath()), (Pair{4, 5}));
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
}

const QByteArray FOUR_FIVE = "[Settings]\nPlayer1Level=4\nPlayer2Level=5\n";
const QByteArray DEEP = QByteArray("@Variant(").repeated(30000);

INSTANTIATE_TEST_SUITE_P(
    Contents, SettingsContentsTest,
    testing::Values(Contents{"Empty", "", {NOTHING, NOTHING}, FOUR_FIVE},
                    Contents{
                        "OtherSections",
                        "[General]\ntop=1\n\n[Settings]\nPlayer1Level=1\nX=@Variant(\\0)\n\n[R]\nW=3",
                        {1, NOTHING},
                        "[General]\ntop=1\n\n[Settings]\nPlayer1Level=4\nX=@Variant(\\0)\nPlayer2Level=5\n\n[R]\nW=3"},
                    Contents{"NoTrailingNewline", "[R]\na=b", {NOTHING, NOTHING}, "[R]\na=b\n\n" + FOUR_FIVE},
                    Contents{"OddLines",
                             "\xEF\xBB\xBF[Settings]\n# c\n; c\nno equals\nPlayer1Level=1" + QByteArray(1, '\0') +
                                 "\nPlayer2Level = 2\r\n",
                             {NOTHING, 2},
                             "\xEF\xBB\xBF[Settings]\n# c\n; c\nno equals\nPlayer1Level=4\nPlayer2Level =5\r\n"},
                    Contents{"UnclosedSection",
                             "[Settings]\nPlayer1Level=1\n[Other\nPlayer2Level=2\n",
                             {1, NOTHING},
                             "[Settings]\nPlayer1Level=4\nPlayer2Level=5\n[Other\nPlayer2Level=2\n"},
                    Contents{"NotNumbers",
                             "[Settings]\nPlayer1Level=2147483648\nPlayer2Level=" + DEEP + "\n",
                             {NOTHING, NOTHING},
                             FOUR_FIVE},
                    Contents{"NotUtf8Path",
                             "[Settings]\nPlayer2Level=+2\n",
                             {NOTHING, 2},
                             "[Settings]\nPlayer2Level=5\nPlayer1Level=4\n",
                             "/c\xFF\xFE"},
                    Contents{"RelativeConfigHome", "[Settings]\nPlayer1Level=-3\n", {-3, NOTHING}, FOUR_FIVE, "c"}),
    [](const testing::TestParamInfo<Contents>& info) { return std::string(info.param.name); });

// --- Another instance of the program -------------------------------------------------

struct Holding {
    const char* name;
    int holdMs;    // how long the other process keeps the lock; -1: for ever
    bool written;  // whether the write gets through
};

void PrintTo(const Holding& holding, std::ostream* out)
{
    *out << holding.name;
}

class SettingsLockTest : public SettingsFileTest, public testing::WithParamInterface<Holding> {};

TEST_P(SettingsLockTest, AWriteWaitsAboutASecondForAnotherProcessHoldingTheLock)
{
    const Holding& holding = GetParam();
    ASSERT_TRUE(Write(file, {1, 2}));
    QProcess holder;
    holder.start(QStringLiteral(SETTINGS_HELPER),
                 {QStringLiteral("hold"), file + QStringLiteral(".lock"), QString::number(holding.holdMs)});
    ASSERT_TRUE(holder.waitForReadyRead(30000));
    ASSERT_EQ(holder.readLine().trimmed(), QByteArray("locked"));

    QElapsedTimer clock;
    clock.start();
    const bool written = Write(file, {4, 5});
    const qint64 ms = clock.elapsed();

    EXPECT_EQ(written, holding.written);
    EXPECT_EQ(Read(file), (written ? Pair{4, 5} : Pair{1, 2}));
    if (written) {
        EXPECT_GE(ms, holding.holdMs / 2) << "the write must wait for the holder, not take its lock";
    } else {
        EXPECT_GE(ms, platform::SETTINGS_LOCK_WAIT_MS - 50);
        EXPECT_LT(ms, 3000);
    }
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(30000));
    EXPECT_EQ(holder.exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(Holders, SettingsLockTest,
                         testing::Values(Holding{"ReleasedAfter200ms", 200, true}, Holding{"NeverReleased", -1, false}),
                         [](const testing::TestParamInfo<Holding>& info) { return std::string(info.param.name); });

// A disk that fills up at any byte of the new file: the write fails and the
// old file stays whole, with nothing left beside it.
TEST_F(SettingsFileTest, AWriteThatFailsAtAnyByteLeavesTheOldFileWhole)
{
    const QByteArray before = "; kept\n" + ONE_TWO;
    MakeFile(file, before);
    const qint64 size = before.size();  // the new file's size too
    const auto formerAction = std::signal(SIGXFSZ, SIG_IGN);
    rlimit former{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &former), 0);
    for (qint64 limit = 0; limit <= size; ++limit) {
        rlimit lower = former;
        lower.rlim_cur = static_cast<rlim_t>(limit);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &lower), 0);
        const bool written = Write(file, {4, 5});
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &former), 0);
        ASSERT_EQ(written, limit == size) << limit;
        EXPECT_EQ(
            QDir(QFileInfo(file).absolutePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("quellix.conf")});
        EXPECT_EQ(Bytes(QFile::encodeName(file)), written ? "; kept\n" + FOUR_FIVE : before) << limit;
    }
    std::signal(SIGXFSZ, formerAction);
}

TEST_F(SettingsFileTest, TwoInstancesWritingAtOnceAlwaysLeaveOneConsistentPair)
{
    ASSERT_TRUE(Write(file, {0, 0}));
    QProcess writers[2];
    for (int w = 0; w < 2; ++w)
        writers[w].start(QStringLiteral(SETTINGS_HELPER),
                         {QStringLiteral("write"), file, QString::number(w + 1), QStringLiteral("40")});

    // Read all the while: every version of the file holds one writer's pair,
    // and neither writer's own count ever goes back, as it would if one
    // write were based on what was there before the other's.
    bool done[2] = {false, false};
    int seen[2] = {0, 0};
    int reads = 0;
    while (!done[0] || !done[1]) {
        SettingInt entries[4] = {{QStringLiteral("Player1Level"), NOTHING},
                                 {QStringLiteral("Player2Level"), NOTHING},
                                 {QStringLiteral("Writer1"), 0},
                                 {QStringLiteral("Writer2"), 0}};
        platform::ReadSettingInts(file, SECTION, entries);
        ASSERT_EQ(entries[0].value, entries[1].value) << "after " << reads << " reads";
        for (int w = 0; w < 2; ++w) {
            ASSERT_GE(entries[2 + w].value, seen[w]) << "writer " << w + 1 << " after " << reads << " reads";
            seen[w] = entries[2 + w].value;
        }
        ++reads;
        for (int w = 0; w < 2; ++w)
            done[w] = done[w] || writers[w].waitForFinished(1) || writers[w].state() == QProcess::NotRunning;
    }

    int last[2] = {0, 0};
    for (int w = 0; w < 2; ++w) {
        ASSERT_EQ(writers[w].exitCode(), 0);
        int succeeded = 0;
        ASSERT_EQ(
            std::sscanf(writers[w].readAllStandardOutput().constData(), "written %d last %d", &succeeded, &last[w]), 2);
        EXPECT_GT(succeeded, 0);
    }
    // Each writer's own entry holds its last successful write: no write has
    // undone another's.
    const QSettings stored(file, QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("Settings/Writer1")).toInt(), last[0]);
    EXPECT_EQ(stored.value(QStringLiteral("Settings/Writer2")).toInt(), last[1]);
    const Pair final = Read(file);
    EXPECT_TRUE(final == (Pair{1000 + last[0], 1000 + last[0]}) || final == (Pair{2000 + last[1], 2000 + last[1]}))
        << final.kind1;
}

}  // namespace
