#include "KlatkaTickera.h"

#include "FixedString.h"

#include <algorithm>

namespace {

using namespace Ticker;

// Farther out than the widest possible widget (QWIDGETSIZE_MAX) and the
// widest text (403 characters), yet well inside what the paint engine and
// the 32-bit fields hold: nothing drawn beyond it can be visible.
constexpr std::int64_t kGranica = std::int64_t{1} << 24;

int naPlotno(std::int64_t v)
{
    return static_cast<int>(std::clamp(v, -kGranica, kGranica));
}

} // namespace

std::string TekstSlowa(const TSlowo& slowo)
{
    std::string tekst;
    tekst.reserve(FixedString<202>::capacity() + slowo.Angielski.size());
    tekst += slowo.Polski.view();
    tekst += "- ";
    FixedString<202> pierwsza(tekst);
    tekst.assign(pierwsza.view());
    tekst += slowo.Angielski.view();
    return tekst;
}

void RysujKlatke(StanSlow& stan, std::int32_t piksele, Plotno& plotno)
{
    const std::int32_t n = stan.LiczbaSlow;
    if (n <= 0)
        return;
    // The load keeps this true whenever a frame can run; never read past the list.
    if (stan.PierwszeSlowo < 0 || stan.PierwszeSlowo >= n || static_cast<std::size_t>(n) > stan.Slowa.size())
        return;

    auto szerokosc = [&](std::int32_t i) -> std::int64_t { return plotno.szerokoscTekstu(TekstSlowa(stan.Slowa[i])); };
    auto postep = [&](std::int32_t i, std::int64_t w) -> std::int64_t {
        return w + Odstep + (i == n - 1 ? OdstepPoOstatnim : 0);
    };

    // 1. Retire the entries that have left the strip. Once the walk has gone
    // round the whole list, every further round is alike: skip whole rounds
    // but the last, so a huge step costs at most two rounds of measuring.
    std::int64_t pozycja = stan.PozycjaX;
    std::int32_t pierwsze = stan.PierwszeSlowo;
    std::int64_t w = szerokosc(pierwsze);
    std::int64_t obieg = 0;
    std::int32_t przebyte = 0;
    while (pozycja + w + Odstep < 0) {
        const std::int64_t krok = postep(pierwsze, w);
        pozycja += krok;
        obieg += krok;
        pierwsze = pierwsze + 1 == n ? 0 : pierwsze + 1;
        w = szerokosc(pierwsze);
        if (++przebyte == n) {
            const std::int64_t zaLewo = -(pozycja + w + Odstep);
            if (zaLewo > 0)
                pozycja += (zaLewo - 1) / obieg * obieg;
        }
    }
    stan.PozycjaX = static_cast<std::int32_t>(pozycja);
    stan.PierwszeSlowo = pierwsze;

    // 2 and 3. Erase each entry where the previous frame drew it, draw it one
    // step on, until an entry starts at or beyond the right edge.
    const int y = stan.PozycjaY;
    std::int64_t x = stan.PozycjaX;
    std::int32_t i = stan.PierwszeSlowo;
    do {
        const std::string tekst = TekstSlowa(stan.Slowa[i]);
        plotno.rysujTekst(naPlotno(x), y, tekst, KolorPaska);
        plotno.wypelnij(naPlotno(x + ObrazekX), y + ObrazekY, naPlotno(x + ObrazekX + ObrazekSzerokosc),
                        y + ObrazekY + ObrazekWysokosc, KolorPaska);
        plotno.rysujTekst(naPlotno(x - piksele), y, tekst, KolorTekstu);
        plotno.rysujObrazek(naPlotno(x - piksele + ObrazekX), y + ObrazekY);
        x += plotno.szerokoscTekstu(tekst) + Odstep;
        if (++i == n) {
            x += OdstepPoOstatnim;
            i = 0;
        }
    } while (x < plotno.szerokosc());

    // 4. Bounded on both sides: beyond kGranica to the right nothing is
    // visible; below -kGranica only a step that put the whole frame off the
    // strip can reach.
    stan.PozycjaX = static_cast<std::int32_t>(std::clamp(pozycja - piksele, -kGranica, kGranica));
}
