#include "DetachedStart.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Runs in the grandchild, so only async-signal-safe calls are made.
[[noreturn]] void execInDirectory(const char* directory, const char* program)
{
    if (::chdir(directory) != 0)
        ::_exit(127);
    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
        ::dup2(null, STDIN_FILENO);
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        if (null > STDERR_FILENO)
            ::close(null);
    }
    char* const argv[] = {const_cast<char*>(program), nullptr};
    ::execve(program, argv, environ);
    ::_exit(127);
}

}

namespace DetachedStart {

void start(const std::string& directory, const std::string& program)
{
    const pid_t child = ::fork();
    if (child < 0)
        return;
    if (child == 0) {
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild == 0)
            execInDirectory(directory.c_str(), program.c_str());
        ::_exit(0);
    }
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

}
