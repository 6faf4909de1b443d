#pragma once

#include "TSlowo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The word list in memory and the ticker's place in it, shared by the main
// window, the ticker's frame and the settings dialog. Whenever a frame can
// run, PierwszeSlowo < LiczbaSlow <= Slowa.size() holds, or LiczbaSlow is 0.
struct StanSlow {
    std::int32_t PozycjaX = 0;
    std::int32_t PozycjaY = 0;
    std::vector<TSlowo> Slowa;
    std::int32_t PierwszeSlowo = 0;
    std::int32_t LiczbaSlow = 0;
    // Every category of the file, the all-categories marker first; absent
    // until a load has read the file.
    std::optional<std::vector<std::string>> Kategorie;
};
