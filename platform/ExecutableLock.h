#pragma once

#include <string>

// Marks a program file as in use for as long as this object lives: a shared
// advisory lock on the file. The updater waits until it can take the file
// exclusively, which is when every process holding this lock has ended; the
// kernel drops the lock however the process ends.
class ExecutableLock final {
public:
    explicit ExecutableLock(const std::string& path);
    ExecutableLock(const ExecutableLock&) = delete;
    ExecutableLock& operator=(const ExecutableLock&) = delete;
    ~ExecutableLock();
    [[nodiscard]] bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};
