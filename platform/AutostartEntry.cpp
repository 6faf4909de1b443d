#include "AutostartEntry.h"

#include "FileOps.h"

#include <cstdlib>
#include <sys/stat.h>

namespace {

std::string configHome()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg)
        return xdg;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config";
}

// Exec= takes a quoted argument: ", `, $ and \ are escaped inside the quotes,
// then the string-value rule doubles every backslash, and % is doubled.
std::string quoteExec(const std::string& path)
{
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$')
            quoted += "\\\\";
        if (c == '\\')
            quoted += "\\\\\\";
        if (c == '%') {
            quoted += "%%";
            continue;
        }
        quoted += c;
    }
    return quoted + "\"";
}

std::string escapeValue(const std::string& value)
{
    std::string out;
    for (const char c : value) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

} // namespace

std::string AutostartEntry::entryPath()
{
    return configHome() + "/autostart/Orlenta Vandra.desktop";
}

std::string AutostartEntry::contents(const std::string& executable, const std::string& workingDirectory)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Orlenta Vandra\n"
           "Exec=" + quoteExec(executable) + "\n"
           "Path=" + escapeValue(workingDirectory) + "\n";
}

bool AutostartEntry::create(const std::string& executable, const std::string& workingDirectory)
{
    const std::string config = configHome();
    ::mkdir(config.c_str(), 0700);
    ::mkdir((config + "/autostart").c_str(), 0700);
    try {
        FileOps::writeAtomically(entryPath(), contents(executable, workingDirectory));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool AutostartEntry::remove()
{
    return FileOps::deleteFile(entryPath());
}
