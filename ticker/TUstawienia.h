#pragma once

#include "FixedString.h"

#include <array>
#include <cstdint>
#include <string_view>

// The seven remembered settings, and their 72-byte image in konfig.cfg:
// five little-endian 32-bit integers, the category as a length byte and 50
// character bytes, and one byte for the start-at-log-on choice.
struct TUstawienia {
    static constexpr std::size_t Rozmiar = 72;
    using Obraz = std::array<std::uint8_t, Rozmiar>;

    std::int32_t Piksele = 0;
    std::int32_t Interwal = 0;
    std::int32_t Lewo = 0;
    std::int32_t Gora = 0;
    std::int32_t Szerokosc = 0;
    FixedString<50> Kategoria;
    std::uint8_t AutoStart = 0;

    [[nodiscard]] Obraz obraz() const;
    // Takes the bytes in file order over the record's image: where fewer
    // than 72 are given, the rest of the record keeps what it held.
    void wczytajObraz(std::string_view bajty);

    [[nodiscard]] bool autoStart() const { return AutoStart != 0; }
};
