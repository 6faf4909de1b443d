#include "Updater.h"

#include "DetachedStart.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// The running program holds a shared lock on its own file; an exclusive lock
// can be had only once every such process has ended. A file that cannot be
// opened is held by nobody.
bool inUse(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked;
}

// Failures of rename(2) that may pass by themselves; the others (a missing
// file, a read-only directory, no permission) stay however long one waits.
bool mayPass(int error)
{
    return error == EBUSY || error == ETXTBSY || error == EAGAIN || error == EINTR;
}

}

Updater::Updater(std::string directory, Retry retry)
    : directory_(std::move(directory)), retry_(std::move(retry))
{
}

Updater::Report Updater::run() const
{
    Report report;
    report.newProgramFound = newProgramPresent();
    if (report.newProgramFound) {
        const Retry::Outcome wait = waitUntilProgramFree();
        report.waitAttempts = wait.attempts;
        report.programFree = wait.done;
        if (report.programFree)
            report.replaced = replaceProgram();
    }
    startProgram();
    return report;
}

bool Updater::newProgramPresent() const
{
    struct stat status {};
    return ::stat(path(NewProgramFile).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

Retry::Outcome Updater::waitUntilProgramFree() const
{
    const std::string program = path(ProgramFile);
    return retry_.run([&] { return inUse(program) ? Retry::Attempt::TryAgain : Retry::Attempt::Done; });
}

bool Updater::replaceProgram() const
{
    const std::string program = path(ProgramFile);
    const std::string newProgram = path(NewProgramFile);

    // The new file gets the old one's permissions, however it was written,
    // and must be runnable before it takes the old one's place.
    struct stat status {};
    const mode_t permissions = ::stat(program.c_str(), &status) == 0 && S_ISREG(status.st_mode)
        ? status.st_mode & 0777
        : 0755;
    if (::chmod(newProgram.c_str(), permissions | S_IXUSR | S_IXGRP | S_IXOTH) != 0)
        return false;

    const Retry::Outcome renamed = retry_.run([&] {
        if (std::rename(newProgram.c_str(), program.c_str()) == 0)
            return Retry::Attempt::Done;
        return mayPass(errno) ? Retry::Attempt::TryAgain : Retry::Attempt::GiveUp;
    });
    return renamed.done;
}

void Updater::startProgram() const
{
    DetachedStart::start(directory_, std::string("./") + ProgramFile);
}

std::string Updater::path(const char* name) const
{
    return directory_ + "/" + name;
}
