// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

// A settings file is a few lines; anything much larger is not one of ours,
// and reading it would only keep the window waiting.
constexpr qint64 MAX_FILE_BYTES = 1 << 20;
// How often a waiting writer looks at the lock again.
constexpr int LOCK_POLL_MS = 10;
// How many symbolic links a path may go through before it counts as a loop.
constexpr int MAX_LINKS = 32;

enum class FileKind { Absent, Regular, Unusable };

struct FileContents {
    FileKind kind = FileKind::Unusable;
    QByteArray bytes;
    mode_t mode = 0;
};

// The bytes of this application's settings path, which may hold bytes that
// are not UTF-8 and so would not survive a QString. XDG_CONFIG_HOME counts
// only when it is absolute, as the XDG base directory rules say.
QByteArray SettingsFileName()
{
    QByteArray folder = qgetenv("XDG_CONFIG_HOME");
    if (!folder.startsWith('/')) {
        folder = qgetenv("HOME");
        if (!folder.startsWith('/'))
            folder = QFile::encodeName(QDir::homePath());
        folder += "/.config";
    }
    while (folder.size() > 1 && folder.endsWith('/'))
        folder.chop(1);
    QString organisation = QCoreApplication::organizationName();
    if (organisation.isEmpty())
        organisation = QStringLiteral("Unknown Organization");
    return folder + '/' + QFile::encodeName(organisation) + '/' +
           QFile::encodeName(QCoreApplication::applicationName()) + ".conf";
}

// The bytes of `file`: those of the settings path itself when `file` is the
// settings path, since its QString may have lost bytes that are not UTF-8.
QByteArray NativeName(const QString& file)
{
    const QByteArray settings = SettingsFileName();
    return file == QFile::decodeName(settings) ? settings : QFile::encodeName(file);
}

QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// Makes `folder` and the folders above it.
bool MakeFolders(const QByteArray& folder)
{
    for (qsizetype end = folder.indexOf('/', 1);; end = folder.indexOf('/', end + 1)) {
        const QByteArray part = end < 0 ? folder : folder.left(end);
        if (::mkdir(part.constData(), 0777) != 0 && errno != EEXIST)
            return false;
        if (end < 0)
            break;
    }
    struct stat status {};
    return ::stat(folder.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

// The file a write must replace: the path with its chain of symbolic links
// followed, so that a link keeps pointing at the updated file. Empty when the
// links go round in a loop.
QByteArray LinkTarget(QByteArray path)
{
    for (int depth = 0; depth < MAX_LINKS; ++depth) {
        char target[4096];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length < 0)
            return errno == EINVAL || errno == ENOENT ? path : QByteArray();
        if (length == static_cast<ssize_t>(sizeof target))
            return {};
        const QByteArray next(target, length);
        path = next.startsWith('/') ? next : FolderOf(path) + '/' + next;
    }
    return {};
}

// The file's bytes when it is a regular file. The type is checked before the
// file is opened, so that no FIFO or device is ever opened, and again on the
// open file, which is opened non-blocking, in case the path was replaced in
// between. Symbolic links are followed.
FileContents ReadRegularFile(const QByteArray& name)
{
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
        contents.mode = status.st_mode & 07777;
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

// The writers' lock: an advisory lock on FILE.lock, which the system lets go
// of when its holder ends in any way, so a lock file left behind by a killed
// process blocks nobody. The holder removes the file when it lets go.
class WriteLock {
public:
    // Waits for the lock at most `waitMs`. Only a regular file serves as the
    // lock: it is opened without following links and without blocking, and
    // never read, so whatever else stands there costs at most the wait.
    WriteLock(const QByteArray& path, int waitMs) : path_(path)
    {
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            fd_ = ::open(path.constData(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
            struct stat status {};
            if (fd_ < 0 || ::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
                Release(false);
                return;
            }
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
                // The holder before may have removed the file it locked: the
                // lock counts only on the file that is at the path now.
                struct stat now {};
                if (::stat(path.constData(), &now) == 0 && now.st_dev == status.st_dev && now.st_ino == status.st_ino)
                    return;
            } else if (errno != EWOULDBLOCK && errno != EINTR) {
                Release(false);
                return;
            }
            Release(false);
            const qint64 left = waitMs - clock.elapsed();
            if (left <= 0)
                return;
            QThread::msleep(static_cast<unsigned long>(std::min<qint64>(LOCK_POLL_MS, left)));
        }
    }
    ~WriteLock() { Release(true); }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    bool Held() const { return fd_ >= 0; }

private:
    void Release(bool held)
    {
        if (fd_ < 0)
            return;
        if (held)
            ::unlink(path_.constData());
        ::close(fd_);
        fd_ = -1;
    }

    QByteArray path_;
    int fd_ = -1;
};

// All of `bytes` to `fd`, however many write() calls it takes.
bool WriteAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// Replaces `target` with a file of `bytes` and the permissions `mode` (0: a
// new file's), whole or not at all: the bytes go to a new file beside it,
// which is synced to disk and renamed over it. On any failure the new file
// is removed and the target is left as it was. The new file's name is fixed,
// so one left behind by a killed writer is removed by the next (the caller
// holds the lock, so it is no other writer's).
bool ReplaceFile(const QByteArray& target, const QByteArray& bytes, mode_t mode)
{
    const QByteArray temporary = target + ".new";
    ::unlink(temporary.constData());
    const int fd =
        ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode ? mode & 0777 : 0666);
    if (fd < 0)
        return false;
    bool ok = (mode == 0 || ::fchmod(fd, mode) == 0) && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    // Makes the rename itself durable; the file is replaced either way.
    const int folder = ::open(FolderOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

// --- The file's lines ------------------------------------------------------------
//
// The file is read as lines of bytes in the INI style QSettings writes:
// "[Section]" lines, then "Entry=value" lines. Only the entries asked for, in
// the section asked for, are looked at or changed; every other line, whatever
// it holds, is kept byte for byte, and no value is ever decoded.

constexpr char BYTE_ORDER_MARK[] = "\xEF\xBB\xBF";

struct Line {
    QByteArray bytes;  // without the '\n'
    bool ended;        // whether a '\n' follows
};

std::vector<Line> SplitLines(const QByteArray& bytes)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) {
            lines.push_back({bytes.mid(start), false});
            break;
        }
        lines.push_back({bytes.mid(start, end - start), true});
        start = end + 1;
    }
    return lines;
}

// A line's text: without the byte-order mark of the first line, the '\r'
// of a CRLF ending and surrounding blanks.
QByteArray Text(const std::vector<Line>& lines, size_t i)
{
    QByteArray text = lines[i].bytes;
    if (i == 0 && text.startsWith(BYTE_ORDER_MARK))
        text.remove(0, 3);
    return text.trimmed();
}

// Where the lines of each section begin: a section runs from its header to
// the next line that starts with '['. A '[' line without its ']' ends the
// section before it and starts none that can be asked for.
struct Sections {
    std::vector<size_t> headers;  // the section's header lines
    std::vector<size_t> ends;     // the line after each of those sections
};

Sections FindSections(const std::vector<Line>& lines, const QByteArray& section)
{
    Sections found;
    const QByteArray header = '[' + section + ']';
    bool inside = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const QByteArray text = Text(lines, i);
        if (!text.startsWith('['))
            continue;
        if (inside)
            found.ends.push_back(i);
        inside = text == header;
        if (inside)
            found.headers.push_back(i);
    }
    if (inside)
        found.ends.push_back(lines.size());
    return found;
}

// The entry's name of a line "Entry=value" and where its '=' is, or -1.
qsizetype EqualsOf(const QByteArray& text)
{
    return text.startsWith(';') || text.startsWith('#') ? -1 : text.indexOf('=');
}

bool IsEntry(const QByteArray& text, const QByteArray& entry, QByteArray* value)
{
    const qsizetype equals = EqualsOf(text);
    if (equals < 0 || text.left(equals).trimmed() != entry)
        return false;
    *value = text.mid(equals + 1).trimmed();
    return true;
}

// The value as a whole number that fits in 32 bits, if it is one.
bool ToInt(const QByteArray& value, int& number)
{
    const char* begin = value.constData();
    const char* end = begin + value.size();
    if (begin != end && *begin == '+')
        ++begin;
    int parsed = 0;
    const auto [last, error] = std::from_chars(begin, end, parsed, 10);
    if (error != std::errc() || last != end || begin == end)
        return false;
    number = parsed;
    return true;
}

QByteArray EntryLine(const SettingInt& setting)
{
    return setting.entry.toUtf8() + '=' + QByteArray::number(setting.value);
}

// The file's bytes with the entries of `section` set: an entry's lines get
// the new value after their '=', the entries not there yet are added at the
// end of the section's last part, or in the section added at the end of the
// file.
QByteArray WithEntries(const QByteArray& bytes, const QByteArray& section, std::span<const SettingInt> entries)
{
    std::vector<Line> lines = SplitLines(bytes);
    const Sections sections = FindSections(lines, section);
    std::vector<bool> found(entries.size(), false);
    for (size_t s = 0; s < sections.headers.size(); ++s) {
        for (size_t i = sections.headers[s] + 1; i < sections.ends[s]; ++i) {
            QByteArray value;
            for (size_t e = 0; e < entries.size(); ++e) {
                if (!IsEntry(Text(lines, i), entries[e].entry.toUtf8(), &value))
                    continue;
                QByteArray& line = lines[i].bytes;
                const bool crlf = line.endsWith('\r');
                line = line.left(line.indexOf('=') + 1) + QByteArray::number(entries[e].value) + (crlf ? "\r" : "");
                found[e] = true;
            }
        }
    }
    std::vector<Line> added;
    for (size_t e = 0; e < entries.size(); ++e) {
        if (!found[e])
            added.push_back({EntryLine(entries[e]), true});
    }
    if (!added.empty() && !sections.headers.empty()) {
        // After the last line of the section that is not blank.
        size_t at = sections.ends.back();
        while (at > sections.headers.back() + 1 && Text(lines, at - 1).isEmpty())
            --at;
        lines[at - 1].ended = true;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
    } else if (!added.empty()) {
        if (!lines.empty()) {
            lines.back().ended = true;
            if (!Text(lines, lines.size() - 1).isEmpty())
                lines.push_back({{}, true});
        }
        lines.push_back({'[' + section + ']', true});
        lines.insert(lines.end(), added.begin(), added.end());
    }
    QByteArray result;
    result.reserve(bytes.size() + 64);
    for (const Line& line : lines) {
        result += line.bytes;
        if (line.ended)
            result += '\n';
    }
    return result;
}

}  // namespace

QString SettingsFilePath()
{
    return QFile::decodeName(SettingsFileName());
}

void ReadSettingInts(const QString& file, const QString& section, std::span<SettingInt> entries)
{
    const FileContents contents = ReadRegularFile(NativeName(file));
    if (contents.kind != FileKind::Regular)
        return;
    const std::vector<Line> lines = SplitLines(contents.bytes);
    const Sections sections = FindSections(lines, section.toUtf8());
    // A later line of an entry counts over an earlier one.
    for (size_t s = 0; s < sections.headers.size(); ++s) {
        for (size_t i = sections.headers[s] + 1; i < sections.ends[s]; ++i) {
            const QByteArray text = Text(lines, i);
            QByteArray value;
            for (SettingInt& setting : entries) {
                if (IsEntry(text, setting.entry.toUtf8(), &value))
                    ToInt(value, setting.value);
            }
        }
    }
}

int ReadSettingInt(const QString& section, const QString& entry, int fallback)
{
    SettingInt setting{entry, fallback};
    ReadSettingInts(SettingsFilePath(), section, {&setting, 1});
    return setting.value;
}

bool WriteSettingInts(const QString& file, const QString& section, std::span<const SettingInt> entries)
{
    const QByteArray name = NativeName(file);
    const QByteArray target = LinkTarget(name);
    if (target.isEmpty() || !MakeFolders(FolderOf(target)) || !MakeFolders(FolderOf(name)))
        return false;

    const WriteLock lock(name + ".lock", SETTINGS_LOCK_WAIT_MS);
    if (!lock.Held())
        return false;

    // Under the lock: read what is there, change the entries, replace the
    // file, so that what another writer wrote meanwhile is kept.
    const FileContents old = ReadRegularFile(target);
    if (old.kind == FileKind::Unusable)
        return false;
    // A file without any write permission stays as it is, even for a user
    // whom the system would let write it.
    if (old.kind == FileKind::Regular && !(old.mode & 0222))
        return false;
    return ReplaceFile(target, WithEntries(old.bytes, section.toUtf8(), entries), old.mode);
}

}  // namespace platform
