#pragma once

#include <string>

// Where the running program lives.
class ApplicationPaths final {
public:
    // Full path of the running executable.
    [[nodiscard]] static std::string executablePath();
    // The executable's directory with a trailing "/".
    [[nodiscard]] static std::string applicationDirectory();
    // Directory part of a path, with its trailing "/".
    [[nodiscard]] static std::string directoryOf(const std::string& path);
};
