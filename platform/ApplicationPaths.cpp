#include "ApplicationPaths.h"

#include <climits>
#include <unistd.h>

std::string ApplicationPaths::executablePath()
{
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    return std::string(buffer, static_cast<std::size_t>(n));
}

std::string ApplicationPaths::applicationDirectory()
{
    return directoryOf(executablePath());
}

std::string ApplicationPaths::directoryOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return "./";
    return path.substr(0, slash + 1);
}
