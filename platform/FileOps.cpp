#include "FileOps.h"

#include "FileError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileOps {
namespace {

std::string cannotCreate(const std::string& path, int error)
{
    return "Cannot create file \"" + path + "\". " + describeError(error);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    [[nodiscard]] int get() const { return fd_; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

bool writeFully(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::string describeError(int error)
{
    return std::strerror(error);
}

std::string readAll(const std::string& path)
{
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw FileError("Cannot open file \"" + path + "\". " + describeError(errno));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || S_ISDIR(st.st_mode))
        throw FileError("Cannot open file \"" + path + "\". " + describeError(S_ISDIR(st.st_mode) ? EISDIR : errno));
    std::string out;
    if (st.st_size > 0)
        out.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw FileError("Cannot open file \"" + path + "\". " + describeError(errno));
        }
        if (n == 0)
            break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    return out;
}

bool isReadOnly(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0;
}

namespace {

// Writes the bytes to a new temporary file beside path, flushed to disk, with
// the given mode; returns its name. Throws FileError as writeAtomically does.
std::string writeTemporary(const std::string& path, std::string_view bytes, mode_t mode)
{
    std::string temp = path + ".XXXXXX";
    Descriptor fd(::mkstemp(temp.data()));
    if (fd.get() < 0)
        throw FileError(cannotCreate(path, errno));
    if (::fchmod(fd.get(), mode) != 0 || !writeFully(fd.get(), bytes) || ::fsync(fd.get()) != 0 ||
        ::close(fd.release()) != 0) {
        ::unlink(temp.c_str());
        throw FileError("Stream write error");
    }
    return temp;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

void writeAtomically(const std::string& path, std::string_view bytes)
{
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        throw FileError(cannotCreate(path, EISDIR));
    if (exists && (old.st_mode & 0222) == 0)
        throw FileError(cannotCreate(path, EACCES));

    const std::string temp = writeTemporary(path, bytes, exists ? (old.st_mode & 07777) : newFileMode());
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        throw FileError(cannotCreate(path, error));
    }
}

bool writeIfAbsent(const std::string& path, std::string_view bytes)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0)
        return false;
    try {
        const std::string temp = writeTemporary(path, bytes, newFileMode());
        // The rename refuses to replace a file that appeared meanwhile.
        if (renameNoReplace(temp, path))
            return true;
        ::unlink(temp.c_str());
    } catch (const FileError&) {
    }
    return false;
}

bool deleteFile(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    return ::unlink(path.c_str()) == 0;
}

bool renameNoReplace(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without RENAME_NOREPLACE: a hard link fails on an existing target.
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    return ::unlink(from.c_str()) == 0;
}

std::optional<std::int64_t> fileSize(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return std::nullopt;
    return static_cast<std::int64_t>(st.st_size);
}

} // namespace FileOps
