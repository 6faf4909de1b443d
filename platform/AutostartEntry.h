#pragma once

#include <string>

// The per-user start-at-log-on entry: a freedesktop autostart file
// "Orlenta Vandra.desktop" in $XDG_CONFIG_HOME/autostart (~/.config/autostart
// when the variable is unset or empty).
class AutostartEntry final {
public:
    [[nodiscard]] static std::string entryPath();
    // Writes the entry, replacing an existing one; false when it could not be written.
    static bool create(const std::string& executable, const std::string& workingDirectory);
    // False when there was no entry or it could not be deleted.
    [[nodiscard]] static bool remove();
    // The file's text for the given program, as create() writes it.
    [[nodiscard]] static std::string contents(const std::string& executable, const std::string& workingDirectory);
};
