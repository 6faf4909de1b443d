#include "Cp1250.h"
#include "KlatkaTickera.h"
#include "ListaSlow.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

const std::string kData = std::string(SLOWNIK_TEST_DATA) + "/";

std::string cp(const char* utf8)
{
    return Cp1250::fromUnicodeOrDie(QString::fromUtf8(utf8));
}

std::vector<std::string> angielskie(const StanSlow& stan)
{
    std::vector<std::string> out;
    for (std::int32_t i = 0; i < stan.LiczbaSlow; ++i)
        out.push_back(stan.Slowa[static_cast<std::size_t>(i)].Angielski.str());
    return out;
}

// A canvas that only measures (one pixel per byte) and remembers which texts
// a frame used.
class Liczydlo final : public Plotno {
public:
    int szerokosc() const override { return 300; }
    int szerokoscTekstu(std::string_view tekst) override
    {
        teksty.emplace_back(tekst);
        return static_cast<int>(tekst.size());
    }
    void rysujTekst(int, int, std::string_view tekst, std::uint32_t) override { teksty.emplace_back(tekst); }
    void wypelnij(int, int, int, int, std::uint32_t) override {}
    void rysujObrazek(int, int) override {}

    std::vector<std::string> teksty;
};

} // namespace

struct WierszListy {
    const char* nazwa;
    const char* plik;
    const char* kategoria;
    bool blad;
    std::vector<std::string> angielskie; // entry 0 first
    std::vector<std::string> kategorie;
};

void PrintTo(const WierszListy& w, std::ostream* os)
{
    *os << w.nazwa;
}

class WierszeListy : public ::testing::TestWithParam<WierszListy> {};

TEST_P(WierszeListy, LoadsAsTheRowSays)
{
    const WierszListy& w = GetParam();
    StanSlow stan;
    stan.PozycjaX = 123;
    stan.PierwszeSlowo = 5;
    int bledy = 0;
    WczytajListeSlow(stan, kData + w.plik, cp(w.kategoria), [&] { ++bledy; });

    EXPECT_EQ(bledy, w.blad ? 1 : 0);
    const std::vector<std::string> oczekiwane =
        w.blad ? std::vector<std::string>{cp("Nie można odczytać bazy danych")} : w.angielskie;
    EXPECT_EQ(angielskie(stan), oczekiwane);
    EXPECT_EQ(stan.PierwszeSlowo, 0);
    EXPECT_GE(stan.Slowa.size(), static_cast<std::size_t>(stan.LiczbaSlow));
    // The strip goes on where it was.
    EXPECT_EQ(stan.PozycjaX, 123);
    std::vector<std::string> kategorie{"*wszystkie"};
    for (const auto& k : w.kategorie)
        kategorie.push_back(cp(k.c_str()));
    ASSERT_TRUE(stan.Kategorie.has_value());
    EXPECT_EQ(*stan.Kategorie, kategorie);
}

INSTANTIATE_TEST_SUITE_P(
    ListaSlow, WierszeListy,
    ::testing::Values(
        // The last line comes first; categories in the order met from the end.
        WierszListy{"all", "slowa_xyx.txt", "*wszystkie", false, {"three", "two", "one"}, {"X", "Y"}},
        WierszListy{"one_category", "slowa_xyx.txt", "X", false, {"three", "one"}, {"X", "Y"}},
        // The filter counts letter case; the category list does not.
        WierszListy{"filter_is_byte_exact", "slowa_xyx.txt", "x", false, {}, {"X", "Y"}},
        WierszListy{"later_spelling_kept", "slowa_wielkosc_liter.txt", "dom", false, {"home"}, {"żaba", "dom"}},
        WierszListy{"earlier_spelling_filter", "slowa_wielkosc_liter.txt", "Dom", false, {"house"}, {"żaba", "dom"}},
        WierszListy{"polish_capital", "slowa_wielkosc_liter.txt", "Żaba", false, {"toad"}, {"żaba", "dom"}},
        // A line's own "*WSZYSTKIE" is the marker's category, not the marker.
        WierszListy{"marker_in_upper_case", "slowa_wielkosc_liter.txt", "*WSZYSTKIE", false, {"all"}, {"żaba", "dom"}},
        WierszListy{"empty_file", "slowa_pusty.txt", "*wszystkie", false, {}, {}},
        WierszListy{"unknown_category", "slowa_xyx.txt", "Z", false, {}, {"X", "Y"}},
        WierszListy{"extra_fields_and_loose_quoting", "slowa_zapis_dowolny.txt", "*wszystkie", false,
                    {"k l", "h", "e", "a"}, {"", "j", "g", "c"}},
        WierszListy{"line_breaks_of_every_kind", "slowa_konce_linii.txt", "*wszystkie", false,
                    {std::string("fo\0ur", 5), "three", "two", "one"}, {"D", "C", "B", "A"}},
        // The break after the last line and one more: the empty line comes first and fails.
        WierszListy{"empty_last_line", "slowa_pusta_linia_na_koncu.txt", "*wszystkie", true, {}, {}},
        // Categories of the lines below the failing one stay.
        WierszListy{"two_fields_in_the_middle", "slowa_dwa_pola.txt", "*wszystkie", true, {}, {"K4", "K3"}}),
    [](const auto& info) { return std::string(info.param.nazwa); });

TEST(ListaSlow, FieldsGoToTheirPlacesCutToCapacity)
{
    StanSlow stan;
    WczytajListeSlow(stan, kData + "slowa_dlugie.txt", WszystkieKategorie, [] { FAIL(); });
    ASSERT_EQ(stan.LiczbaSlow, 1);
    const TSlowo& slowo = stan.Slowa[0];
    EXPECT_EQ(slowo.Angielski.str(), std::string(200, 'E'));
    EXPECT_EQ(slowo.Polski.str(), std::string(200, '\xBF'));
    EXPECT_EQ(slowo.KategoriaSlowa.str(), std::string(50, 'k'));
    // The category list has the whole name ...
    EXPECT_EQ(stan.Kategorie->back(), std::string(60, 'k'));
    // ... but a setting holds 50 characters, and they match no line.
    WczytajListeSlow(stan, kData + "slowa_dlugie.txt", std::string(50, 'k'), [] { FAIL(); });
    EXPECT_EQ(stan.LiczbaSlow, 0);
}

TEST(ListaSlow, FailureLeavesTheFallbackEntry)
{
    StanSlow stan;
    WczytajListeSlow(stan, kData + "slowa_dwa_pola.txt", WszystkieKategorie, [] {});
    ASSERT_EQ(stan.LiczbaSlow, 1);
    ASSERT_EQ(stan.Slowa.size(), 1u);
    EXPECT_EQ(Cp1250::toUnicode(stan.Slowa[0].Polski.view()), QStringLiteral("BŁĄD"));
    EXPECT_EQ(Cp1250::toUnicode(stan.Slowa[0].Angielski.view()), QStringLiteral("Nie można odczytać bazy danych"));
    EXPECT_EQ(stan.Slowa[0].KategoriaSlowa.size(), 0u);
    EXPECT_EQ(Cp1250::toUnicode(TekstSlowa(stan.Slowa[0])), QStringLiteral("BŁĄD- Nie można odczytać bazy danych"));
}

TEST(ListaSlow, AFileThatCannotBeOpenedLeavesTheCategories)
{
    const std::string brak = kData + "no-such-folder/slownik.txt";
    StanSlow stan;
    int bledy = 0;
    WczytajListeSlow(stan, brak, WszystkieKategorie, [&] { ++bledy; });
    EXPECT_EQ(bledy, 1);
    EXPECT_EQ(stan.LiczbaSlow, 1);
    // At the first load there is no category list yet.
    EXPECT_FALSE(stan.Kategorie.has_value());

    WczytajListeSlow(stan, kData + "slowa_xyx.txt", WszystkieKategorie, [] { FAIL(); });
    const auto przed = stan.Kategorie;
    WczytajListeSlow(stan, brak, WszystkieKategorie, [&] { ++bledy; });
    EXPECT_EQ(bledy, 2);
    EXPECT_EQ(stan.Kategorie, przed);
}

// Frames run while the error box is open: from inside it the list must be
// one a frame can read, and the frame must use only its valid entries.
TEST(ListaSlow, AFrameDuringTheErrorBoxReadsOnlyValidEntries)
{
    for (const char* plik : {"slowa_dwa_pola.txt", "slowa_pusta_linia_na_koncu.txt", "no-such-folder/x.txt"}) {
        SCOPED_TRACE(plik);
        StanSlow stan;
        WczytajListeSlow(stan, kData + "slowa_xyx.txt", WszystkieKategorie, [] { FAIL(); });
        stan.PierwszeSlowo = 2;
        int klatki = 0;
        WczytajListeSlow(stan, kData + plik, WszystkieKategorie, [&] {
            for (int k = 0; k < 50; ++k) {
                ASSERT_GE(stan.LiczbaSlow, 1);
                ASSERT_LE(static_cast<std::size_t>(stan.LiczbaSlow), stan.Slowa.size());
                ASSERT_GE(stan.PierwszeSlowo, 0);
                ASSERT_LT(stan.PierwszeSlowo, stan.LiczbaSlow);
                Liczydlo plotno;
                RysujKlatke(stan, 7, plotno);
                ++klatki;
                ASSERT_FALSE(plotno.teksty.empty());
                std::vector<std::string> wazne;
                for (std::int32_t i = 0; i < stan.LiczbaSlow; ++i)
                    wazne.push_back(TekstSlowa(stan.Slowa[static_cast<std::size_t>(i)]));
                for (const auto& tekst : plotno.teksty)
                    EXPECT_NE(std::find(wazne.begin(), wazne.end(), tekst), wazne.end()) << tekst;
            }
        });
        EXPECT_EQ(klatki, 50);
        EXPECT_EQ(stan.LiczbaSlow, 1);
        EXPECT_EQ(stan.PierwszeSlowo, 0);
    }
}

TEST(ListaSlow, AFrameDuringTheFirstFailedLoadDrawsNothing)
{
    StanSlow stan;
    WczytajListeSlow(stan, kData + "no-such-folder/x.txt", WszystkieKategorie, [&] {
        Liczydlo plotno;
        RysujKlatke(stan, 2, plotno);
        EXPECT_TRUE(plotno.teksty.empty());
    });
}
