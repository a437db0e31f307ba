// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// A settings file is a few lines; anything much larger is not one of ours,
// and reading it would only keep the window waiting.
constexpr qint64 MAX_FILE_BYTES = 1 << 20;
// How often a waiting writer looks at the lock again.
constexpr int LOCK_POLL_MS = 10;

enum class FileKind { Absent, Regular, Unusable };

struct FileContents {
    FileKind kind = FileKind::Unusable;
    QByteArray bytes;
};

// The file's bytes when it is a regular file. The type is checked before the
// file is opened, so that no FIFO or device is ever opened, and again on the
// open file, which is opened non-blocking, in case the path was replaced in
// between. Symbolic links are followed.
FileContents ReadRegularFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return {errno == ENOENT ? FileKind::Absent : FileKind::Unusable, {}};
    if (!S_ISREG(status.st_mode) || status.st_size > MAX_FILE_BYTES)
        return {};
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {};
    FileContents contents;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        contents.kind = FileKind::Regular;
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0 || contents.bytes.size() + got > MAX_FILE_BYTES) {
                contents = {};
                break;
            }
            if (got == 0)
                break;
            contents.bytes.append(buffer, got);
        }
    }
    ::close(fd);
    return contents;
}

// The file a write must replace: the path with its chain of symbolic links
// followed, so that a link keeps pointing at the updated file. Empty when the
// links go round in a loop.
QString LinkTarget(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 32 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? QString() : info.absoluteFilePath();
}

// Takes the lock, waiting for another holder at most `waitMs`. A lock left by
// a process that has died is taken over at once (QLockFile's own rule).
bool TakeLock(QLockFile& lock, int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        if (lock.tryLock(0))
            return true;
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(LOCK_POLL_MS, deadline.remainingTime())));
    }
}

QString Key(const QString& section, const QString& entry)
{
    return section + QLatin1Char('/') + entry;
}

// The stored value as a whole 32-bit number, if it is one.
bool ToInt(const QVariant& value, int& number)
{
    if (!value.isValid())
        return false;
    bool ok = false;
    const int parsed = value.toString().trimmed().toInt(&ok, 10);
    if (ok)
        number = parsed;
    return ok;
}

// QSettings parses and writes only files: the contents go through a scratch
// copy in `folder`, which is removed again.
bool MakeScratchCopy(QTemporaryFile& scratch, const QString& folder, const QByteArray& bytes)
{
    scratch.setFileTemplate(folder + QStringLiteral("/.quellix-settings-XXXXXX"));
    if (!scratch.open() || scratch.write(bytes) != bytes.size() || !scratch.flush())
        return false;
    scratch.close();
    return true;
}

}  // namespace

QString SettingsFilePath()
{
    // Where QSettings puts the user's file of this organisation and
    // application in its native format on Linux.
    QString organisation = QCoreApplication::organizationName();
    if (organisation.isEmpty())
        organisation = QStringLiteral("Unknown Organization");
    const QDir folder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return QDir::cleanPath(folder.absoluteFilePath(organisation + QLatin1Char('/') +
                                                   QCoreApplication::applicationName() + QStringLiteral(".conf")));
}

void ReadSettingInts(const QString& file, const QString& section, std::span<SettingInt> entries)
{
    const FileContents contents = ReadRegularFile(file);
    if (contents.kind != FileKind::Regular || contents.bytes.isEmpty())
        return;
    QTemporaryFile scratch;
    if (!MakeScratchCopy(scratch, QDir::tempPath(), contents.bytes))
        return;
    const QSettings store(scratch.fileName(), QSettings::IniFormat);
    for (SettingInt& setting : entries)
        ToInt(store.value(Key(section, setting.entry)), setting.value);
}

int ReadSettingInt(const QString& section, const QString& entry, int fallback)
{
    SettingInt setting{entry, fallback};
    ReadSettingInts(SettingsFilePath(), section, {&setting, 1});
    return setting.value;
}

bool WriteSettingInts(const QString& file, const QString& section, std::span<const SettingInt> entries)
{
    const QString target = LinkTarget(file);
    if (target.isEmpty())
        return false;
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder) || !QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;

    QLockFile lock(file + QStringLiteral(".lock"));
    if (!TakeLock(lock, SETTINGS_LOCK_WAIT_MS))
        return false;

    // Under the lock: read what is there, change the entries, replace the
    // file, so that what another writer wrote meanwhile is kept.
    const FileContents old = ReadRegularFile(target);
    if (old.kind == FileKind::Unusable)
        return false;
    // A file without any write permission stays as it is, even for a user
    // whom the system would let write it.
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (old.kind == FileKind::Regular && !(QFileInfo(target).permissions() & anyWrite))
        return false;

    QTemporaryFile scratch;
    if (!MakeScratchCopy(scratch, folder, old.bytes))
        return false;
    {
        QSettings store(scratch.fileName(), QSettings::IniFormat);
        for (const SettingInt& setting : entries)
            store.setValue(Key(section, setting.entry), setting.value);
        store.sync();
        if (store.status() != QSettings::NoError)
            return false;
    }
    QFile written(scratch.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = written.readAll();

    // QSaveFile writes a new file beside the target and renames it over the
    // target: the file is replaced whole or not at all, with its permissions.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

}  // namespace platform
