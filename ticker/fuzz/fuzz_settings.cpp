// Any settings file loads, saves to exactly 72 bytes, and loads again to the
// same record.
#include "TUstawienia.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TUstawienia first;
    first.wczytajObraz(std::string_view(reinterpret_cast<const char*>(data), size));
    const TUstawienia::Obraz saved = first.obraz();
    static_assert(sizeof(saved) == 72);
    if (first.Kategoria.size() > 50)
        std::abort();

    TUstawienia second;
    second.wczytajObraz(std::string_view(reinterpret_cast<const char*>(saved.data()), saved.size()));
    if (second.obraz() != saved || second.Piksele != first.Piksele || second.Interwal != first.Interwal ||
        second.Lewo != first.Lewo || second.Gora != first.Gora || second.Szerokosc != first.Szerokosc ||
        second.Kategoria.view() != first.Kategoria.view() || second.AutoStart != first.AutoStart)
        std::abort();
    return 0;
}
