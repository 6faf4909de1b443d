#include "TUstawienia.h"

#include <algorithm>
#include <cstring>

namespace {

void putInt(TUstawienia::Obraz& image, std::size_t offset, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        image[offset + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t getInt(const TUstawienia::Obraz& image, std::size_t offset)
{
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(image[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

} // namespace

TUstawienia::Obraz TUstawienia::obraz() const
{
    Obraz image{};
    putInt(image, 0, Piksele);
    putInt(image, 4, Interwal);
    putInt(image, 8, Lewo);
    putInt(image, 12, Gora);
    putInt(image, 16, Szerokosc);
    image[20] = Kategoria.length;
    std::memcpy(&image[21], Kategoria.chars.data(), Kategoria.chars.size());
    image[71] = AutoStart;
    return image;
}

void TUstawienia::wczytajObraz(std::string_view bajty)
{
    Obraz image = obraz();
    std::memcpy(image.data(), bajty.data(), std::min(bajty.size(), Rozmiar));
    Piksele = getInt(image, 0);
    Interwal = getInt(image, 4);
    Lewo = getInt(image, 8);
    Gora = getInt(image, 12);
    Szerokosc = getInt(image, 16);
    Kategoria.length = std::min<std::uint8_t>(image[20], 50);
    std::memcpy(Kategoria.chars.data(), &image[21], Kategoria.chars.size());
    AutoStart = image[71];
}
