#include "ExecutableLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

ExecutableLock::ExecutableLock(const std::string& path)
{
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ >= 0 && ::flock(fd_, LOCK_SH | LOCK_NB) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

ExecutableLock::~ExecutableLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}
