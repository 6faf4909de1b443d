// Any dictionary file loads into a word list the ticker can draw from: the
// list is consistent while the error box is open and afterwards (the
// fallback entry included), a load fails exactly when a line has fewer than
// three fields, and a good load keeps the lines of the chosen category, last
// line first, with their texts cut to the entry's capacity.
//
// Input: one byte choosing the setting, then the file. An even byte means
// "*wszystkie"; an odd one takes the setting from the bytes up to the first
// "|" (cut to 50, as the settings record holds it) and the file after it.
#include "ListaSlow.h"
#include "MemoryFile.h"
#include "PlikSlownika.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool consistent(const StanSlow& stan)
{
    if (stan.LiczbaSlow < 0 || static_cast<std::size_t>(stan.LiczbaSlow) > stan.Slowa.size())
        return false;
    return stan.LiczbaSlow == 0 ? stan.PierwszeSlowo == 0
                                : stan.PierwszeSlowo >= 0 && stan.PierwszeSlowo < stan.LiczbaSlow;
}

std::string_view cut(std::string_view text, std::size_t capacity)
{
    return text.substr(0, capacity);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static MemoryFile file;
    if (size == 0)
        return 0;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string kategoria(WszystkieKategorie);
    input.remove_prefix(1);
    if (data[0] & 1) {
        const std::size_t bar = input.find('|');
        kategoria = cut(input.substr(0, bar), 50);
        input = bar == std::string_view::npos ? std::string_view() : input.substr(bar + 1);
    }

    // A list from an earlier load, with the ticker somewhere in it.
    StanSlow stan;
    stan.Slowa.resize(3);
    stan.LiczbaSlow = 3;
    stan.PierwszeSlowo = 2;
    int bledy = 0;
    WczytajListeSlow(stan, file.hold(input), kategoria, [&] {
        ++bledy;
        // Frames keep running while the box is open.
        require(consistent(stan));
    });
    require(consistent(stan));
    require(stan.PierwszeSlowo == 0);
    require(stan.Kategorie.has_value() && !stan.Kategorie->empty() && stan.Kategorie->front() == WszystkieKategorie);

    const std::vector<std::string> linie = PodzielNaLinie(input);
    bool krotka = false;
    for (const std::string& linia : linie)
        krotka = krotka || PodzielLinie(linia).size() < 3;
    require(bledy == (krotka ? 1 : 0));
    if (krotka) {
        require(stan.LiczbaSlow == 1 && stan.Slowa.size() == 1);
        require(stan.Slowa[0].Polski.view() == "B\xA3\xA5" "D");
        require(stan.Slowa[0].KategoriaSlowa.size() == 0);
        return 0;
    }

    const bool wszystkie = kategoria == WszystkieKategorie;
    std::size_t i = 0;
    for (auto linia = linie.rbegin(); linia != linie.rend(); ++linia) {
        const std::vector<std::string> pola = PodzielLinie(*linia);
        if (!wszystkie && pola[2] != kategoria)
            continue;
        require(i < static_cast<std::size_t>(stan.LiczbaSlow));
        const TSlowo& slowo = stan.Slowa[i++];
        require(slowo.Angielski.view() == cut(pola[0], 200));
        require(slowo.Polski.view() == cut(pola[1], 200));
        require(slowo.KategoriaSlowa.view() == cut(pola[2], 50));
    }
    require(i == static_cast<std::size_t>(stan.LiczbaSlow));

    // Every line's category is listed, each once by TakieSame (checked
    // pairwise on small files only: the check is quadratic).
    const std::vector<std::string>& kategorie = *stan.Kategorie;
    if (linie.size() > 256)
        return 0;
    for (std::size_t a = 0; a < kategorie.size(); ++a)
        for (std::size_t b = a + 1; b < kategorie.size(); ++b)
            require(!TakieSame(kategorie[a], kategorie[b]));
    for (const std::string& linia : linie) {
        const std::string kategoriaLinii = PodzielLinie(linia)[2];
        bool znana = false;
        for (const std::string& k : kategorie)
            znana = znana || TakieSame(k, kategoriaLinii);
        require(znana);
    }
    return 0;
}
