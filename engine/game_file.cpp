// SPDX-License-Identifier: GPL-3.0-or-later
// Game files: reading one with its size checked before its content, and
// writing one through a temporary file renamed over the target.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>

#include "engine/game_text.h"

namespace engine {

namespace {

std::string systemReason(int number)
{
    return std::generic_category().message(number);
}

// Closes a file descriptor when it goes out of scope.
struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release()
    {
        const int result = fd;
        fd = -1;
        return result;
    }
};

// Writes all of `text`; false with errno set on failure.
bool writeAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

ReadResult fileError(ReadProblem problem, int number = 0)
{
    ReadResult result;
    result.error.problem = problem;
    if (number != 0)
        result.error.detail = systemReason(number);
    return result;
}

}  // namespace

ReadResult readGameFile(const std::filesystem::path& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return fileError(errno == ENOENT ? ReadProblem::FileMissing : ReadProblem::FileUnreadable,
                         errno == ENOENT ? 0 : errno);
    // A folder, a pipe or a device is no game file (and a pipe could block
    // the open).
    if (!S_ISREG(status.st_mode))
        return fileError(ReadProblem::FileUnreadable, S_ISDIR(status.st_mode) ? EISDIR : EINVAL);
    if (static_cast<std::uintmax_t>(status.st_size) > MAX_GAME_TEXT)
        return fileError(ReadProblem::TooLarge);
    FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0)
        return fileError(ReadProblem::FileUnreadable, errno);
    // Read at most one byte past the limit: a file that grew since the size
    // was checked is refused as well.
    std::string content(MAX_GAME_TEXT + 1, '\0');
    std::size_t size = 0;
    while (size < content.size()) {
        const ssize_t got = ::read(file.fd, content.data() + size, content.size() - size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fileError(ReadProblem::FileUnreadable, errno);
        if (got == 0)
            break;
        size += static_cast<std::size_t>(got);
    }
    if (size > MAX_GAME_TEXT)
        return fileError(ReadProblem::TooLarge);
    content.resize(size);
    return readGame(content);
}

bool writeFileAtomically(const std::filesystem::path& requested, std::string_view text, std::string& error)
{
    // Through a symbolic link, the file it names is replaced, not the link.
    std::error_code code;
    std::filesystem::path path = requested;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(requested, code))) {
        path = std::filesystem::weakly_canonical(requested, code);
        if (code) {
            error = "cannot resolve " + requested.string() + ": " + code.message();
            return false;
        }
    }
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");

    // A name no other writer uses: the process and a counter.
    static std::atomic<unsigned> counter{0};
    FileDescriptor file;
    std::filesystem::path temporary;
    for (int attempt = 0; attempt < 100 && file.fd < 0; ++attempt) {
        std::string name = ".";
        name += path.filename().string() + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
        temporary = folder / name;
        file.fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file.fd < 0 && errno != EEXIST)
            break;
    }
    if (file.fd < 0) {
        error = "cannot create a file in " + folder.string() + ": " + systemReason(errno);
        return false;
    }
    const auto fail = [&](const std::string& step) {
        const int number = errno;
        error = step + " " + temporary.string() + ": " + systemReason(number);
        ::close(file.release());
        ::unlink(temporary.c_str());
        return false;
    };
    // An existing file keeps its permissions; a new one has the umask's.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && ::fchmod(file.fd, old.st_mode & 07777) != 0)
        return fail("cannot set the permissions of");
    if (!writeAll(file.fd, text))
        return fail("cannot write");
    if (::fsync(file.fd) != 0)
        return fail("cannot flush");
    if (::close(file.release()) != 0) {
        const int number = errno;
        error = "cannot write " + temporary.string() + ": " + systemReason(number);
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int number = errno;
        error = "cannot replace " + path.string() + ": " + systemReason(number);
        ::unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself last; a folder that cannot be synced still
    // holds the new file.
    FileDescriptor directory{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (directory.fd >= 0)
        ::fsync(directory.fd);
    return true;
}

}  // namespace engine
