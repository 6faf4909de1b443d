#pragma once

#include "TUstawienia.h"

#include <string>

// konfig.cfg on disk. The window decides what the user is told.
class PlikKonfiguracji final {
public:
    // Reads up to 72 bytes over the record; false when the file cannot be opened.
    [[nodiscard]] static bool Wczytaj(const std::string& sciezka, TUstawienia& ustawienia);
    // Replaces the file with the record's 72 bytes; false when it cannot be
    // created (a read-only file among the causes) or written.
    [[nodiscard]] static bool Zapisz(const std::string& sciezka, const TUstawienia& ustawienia);
};
