#include "ListaSlow.h"

#include "PlikSlownika.h"

#include <QSet>

#include <limits>
#include <stdexcept>

namespace {

// "BŁĄD" / "Nie można odczytać bazy danych" in Windows-1250.
constexpr std::string_view kBladPolski = "B\xA3\xA5" "D";
constexpr std::string_view kBladAngielski = "Nie mo\xBF" "na odczyta\xE6 bazy danych";

void wczytaj(StanSlow& stan, const std::string& plik, std::string_view kategoria)
{
    const std::vector<std::string> linie = CzytajLinie(plik);
    if (linie.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::length_error("too many lines");
    const auto n = static_cast<std::int32_t>(linie.size());

    // Until the array has its new size the old count may not stand.
    stan.LiczbaSlow = 0;
    stan.PierwszeSlowo = 0;
    stan.Slowa.assign(linie.size(), TSlowo{});
    stan.LiczbaSlow = n;

    stan.Kategorie = std::vector<std::string>{std::string(WszystkieKategorie)};
    // Equal keys are exactly the texts TakieSame calls the same.
    QSet<QString> znane{KluczPorownania(WszystkieKategorie)};
    const bool wszystkie = kategoria == WszystkieKategorie;

    std::int32_t zachowane = 0;
    for (auto linia = linie.rbegin(); linia != linie.rend(); ++linia) {
        const std::vector<std::string> pola = PodzielLinie(*linia);
        if (pola.size() < 3)
            throw std::runtime_error("a line with fewer than three fields");
        QString klucz = KluczPorownania(pola[2]);
        if (!znane.contains(klucz)) {
            znane.insert(std::move(klucz));
            stan.Kategorie->push_back(pola[2]);
        }
        if (!wszystkie && kategoria != pola[2])
            continue;
        TSlowo& slowo = stan.Slowa[static_cast<std::size_t>(zachowane)];
        slowo.Angielski = pola[0];
        slowo.Polski = pola[1];
        slowo.KategoriaSlowa = pola[2];
        ++zachowane;
    }
    stan.LiczbaSlow = zachowane;
}

} // namespace

void WczytajListeSlow(StanSlow& stan, const std::string& plik, std::string_view kategoria,
                      const std::function<void()>& pokazBlad)
{
    try {
        wczytaj(stan, plik, kategoria);
        return;
    } catch (const std::exception&) {
        // Reported below, outside the handler: the box runs a nested event loop.
    }
    pokazBlad();
    TSlowo blad;
    blad.Polski = kBladPolski;
    blad.Angielski = kBladAngielski;
    stan.Slowa.assign(1, blad);
    stan.LiczbaSlow = 1;
    stan.PierwszeSlowo = 0;
}
