#pragma once

#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

// A file in memory that readers open by path (/proc/self/fd/N), so that a
// fuzz target can hand each input to a file-reading routine without leaving
// anything on disk.
class MemoryFile final {
public:
    MemoryFile() : fd_(::memfd_create("fuzz-input", MFD_CLOEXEC))
    {
        if (fd_ < 0)
            std::abort();
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    ~MemoryFile() { ::close(fd_); }

    // Replaces the content and returns the path to open.
    const std::string& hold(std::string_view bytes)
    {
        if (::ftruncate(fd_, 0) != 0)
            std::abort();
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
            if (n <= 0)
                std::abort();
            done += static_cast<std::size_t>(n);
        }
        return path_;
    }

private:
    int fd_;
    std::string path_;
};

// A broken property stops the fuzzer with this input kept as the crash.
inline void require(bool condition)
{
    if (!condition)
        std::abort();
}
