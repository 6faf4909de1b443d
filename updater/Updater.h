#pragma once

#include "Retry.h"

#include <chrono>
#include <string>

// Finishes an online update in the application directory: waits until the
// running program has ended, puts the downloaded program in its place and
// starts whichever program is then in place. The program file is replaced
// in one rename, so the directory never lacks it; when the old program does
// not end in time, or there is no new program, the old one stays and is
// started again.
class Updater final {
public:
    static constexpr const char* ProgramFile = "slownik";
    static constexpr const char* NewProgramFile = "slownik_nowy";
    static constexpr int Attempts = 21;
    static constexpr std::chrono::milliseconds Pause{100};

    struct Report {
        bool newProgramFound = false;
        // Attempts spent waiting for the program file; 0 when there was nothing to wait for.
        int waitAttempts = 0;
        bool programFree = false;
        bool replaced = false;
    };

    Updater(std::string directory, Retry retry);

    Report run() const;

    // The steps of run(), each usable by itself.
    [[nodiscard]] bool newProgramPresent() const;
    [[nodiscard]] Retry::Outcome waitUntilProgramFree() const;
    [[nodiscard]] bool replaceProgram() const;
    void startProgram() const;

private:
    [[nodiscard]] std::string path(const char* name) const;

    std::string directory_;
    Retry retry_;
};
