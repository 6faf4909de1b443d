#include "DictionarySaver.h"

#include "FileError.h"
#include "FileOps.h"
#include "PlikSlownika.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

bool DictionarySaver::makeBackup(const std::string& plik, const std::string& kopia)
{
    struct stat st {};
    if (::lstat(kopia.c_str(), &st) == 0)
        return false;
    std::string bytes;
    try {
        bytes = FileOps::readAll(plik);
    } catch (const FileError&) {
        return false;
    }
    std::string temp = kopia + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    bool written = ::fchmod(fd, 0666 & ~mask) == 0 && writeFully(fd, bytes) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    // The rename refuses to replace a backup that appeared meanwhile.
    if (written && FileOps::renameNoReplace(temp, kopia))
        return true;
    ::unlink(temp.c_str());
    return false;
}

void DictionarySaver::save(const std::string& plik, const std::string& kopia, const std::vector<std::string>& linie)
{
    (void)makeBackup(plik, kopia);
    ZapiszLinie(plik, linie);
}
