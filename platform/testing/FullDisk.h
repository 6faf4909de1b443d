#pragma once

#include <csignal>
#include <sys/resource.h>

// Writes beyond this many bytes fail with EFBIG, as on a full disk, until
// the object goes; the process itself stays alive (SIGXFSZ ignored).
class FullDisk final {
public:
    explicit FullDisk(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        ok_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previous_);
    }
    [[nodiscard]] bool ok() const { return ok_; }

private:
    rlimit saved_{};
    sighandler_t previous_ = SIG_DFL;
    bool ok_ = false;
};
