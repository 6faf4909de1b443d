#include "KlatkaTickera.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Records what a frame asks of the canvas; text widths come from a table.
class Rejestr final : public Plotno {
public:
    int szerokosc() const override
    {
        ops.push_back("width");
        return szer;
    }
    int szerokoscTekstu(std::string_view tekst) override
    {
        ops.push_back("measure " + std::string(tekst));
        ++pomiary;
        return szerokosci.at(std::string(tekst));
    }
    void rysujTekst(int x, int y, std::string_view tekst, std::uint32_t kolor) override
    {
        ops.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " " + std::string(tekst) + " " +
                      nazwa(kolor));
        if (kolor == Ticker::KolorTekstu)
            biale.emplace_back(std::string(tekst), x);
    }
    void wypelnij(int lewo, int gora, int prawo, int dol, std::uint32_t kolor) override
    {
        ops.push_back("fill " + std::to_string(lewo) + "," + std::to_string(gora) + " " + std::to_string(prawo) +
                      "," + std::to_string(dol) + " " + nazwa(kolor));
    }
    void rysujObrazek(int x, int y) override
    {
        ops.push_back("picture " + std::to_string(x) + "," + std::to_string(y));
        obrazki.push_back(x);
    }

    static std::string nazwa(std::uint32_t kolor)
    {
        return kolor == Ticker::KolorPaska ? "strip" : kolor == Ticker::KolorTekstu ? "white" : "other";
    }

    int szer = 306;
    std::map<std::string, int> szerokosci;
    mutable std::vector<std::string> ops;
    std::vector<std::pair<std::string, int>> biale;
    std::vector<int> obrazki;
    int pomiary = 0;
};

// Entries "A- a", "B- b", ... with the given text widths.
StanSlow lista(const std::vector<int>& szerokosci, Rejestr& plotno)
{
    StanSlow stan;
    for (std::size_t i = 0; i < szerokosci.size(); ++i) {
        TSlowo slowo;
        slowo.Polski = std::string(1, static_cast<char>('A' + i));
        slowo.Angielski = std::string(1, static_cast<char>('a' + i));
        plotno.szerokosci[TekstSlowa(slowo)] = szerokosci[i];
        stan.Slowa.push_back(slowo);
    }
    stan.LiczbaSlow = static_cast<std::int32_t>(szerokosci.size());
    return stan;
}

std::string tekst(int i)
{
    return std::string(1, static_cast<char>('A' + i)) + "- " + std::string(1, static_cast<char>('a' + i));
}

} // namespace

TEST(TekstSlowa, PolishThenHyphenSpaceThenEnglish)
{
    TSlowo slowo;
    slowo.Polski = "dom";
    slowo.Angielski = "house";
    EXPECT_EQ(TekstSlowa(slowo), "dom- house");
    EXPECT_EQ(TekstSlowa(TSlowo{}), "- ");
    // The longest Polish text still gets its "- ".
    slowo.Polski = std::string(200, 'p');
    slowo.Angielski = std::string(200, 'e');
    EXPECT_EQ(TekstSlowa(slowo), std::string(200, 'p') + "- " + std::string(200, 'e'));
}

TEST(RysujKlatke, TheWorkedExample)
{
    Rejestr plotno;
    StanSlow stan = lista({100, 60}, plotno);
    stan.PozycjaX = 50;
    RysujKlatke(stan, 2, plotno);
    const std::vector<std::string> oczekiwane{
        "measure A- a",
        "text 50,0 A- a strip",
        "fill 32,3 46,16 strip",
        "text 48,0 A- a white",
        "picture 30,3",
        "measure A- a",
        "width",
        "text 170,0 B- b strip",
        "fill 152,3 166,16 strip",
        "text 168,0 B- b white",
        "picture 150,3",
        "measure B- b",
        "width",
    };
    EXPECT_EQ(plotno.ops, oczekiwane);
    EXPECT_EQ(stan.PozycjaX, 48);
    EXPECT_EQ(stan.PierwszeSlowo, 0);
}

TEST(RysujKlatke, TextsAndBoxesFollowPozycjaY)
{
    Rejestr plotno;
    StanSlow stan = lista({100}, plotno);
    stan.PozycjaX = 50;
    stan.PozycjaY = 1;
    RysujKlatke(stan, 2, plotno);
    EXPECT_EQ(plotno.ops[1], "text 50,1 A- a strip");
    EXPECT_EQ(plotno.ops[2], "fill 32,4 46,17 strip");
    EXPECT_EQ(plotno.ops[4], "picture 30,4");
}

struct WierszKlatki {
    const char* nazwa;
    std::vector<int> szerokosci;
    std::int32_t pozycja;
    std::int32_t pierwsze;
    std::int32_t piksele;
    int szer;
    std::int32_t potemPierwsze;
    std::int32_t potemPozycja;
    std::vector<std::pair<int, int>> biale; // entry, x of its white text
    std::vector<int> obrazki = {};          // checked when given
};

void PrintTo(const WierszKlatki& w, std::ostream* os)
{
    *os << w.nazwa;
}

class WierszeKlatki : public ::testing::TestWithParam<WierszKlatki> {};

TEST_P(WierszeKlatki, FrameAsTheRowSays)
{
    const WierszKlatki& w = GetParam();
    Rejestr plotno;
    plotno.szer = w.szer;
    StanSlow stan = lista(w.szerokosci, plotno);
    stan.PozycjaX = w.pozycja;
    stan.PierwszeSlowo = w.pierwsze;
    RysujKlatke(stan, w.piksele, plotno);
    EXPECT_EQ(stan.PierwszeSlowo, w.potemPierwsze);
    EXPECT_EQ(stan.PozycjaX, w.potemPozycja);
    std::vector<std::pair<std::string, int>> biale;
    for (const auto& [i, x] : w.biale)
        biale.emplace_back(tekst(i), x);
    EXPECT_EQ(plotno.biale, biale);
    if (!w.obrazki.empty()) {
        EXPECT_EQ(plotno.obrazki, w.obrazki);
    }
}

INSTANTIATE_TEST_SUITE_P(
    RysujKlatke, WierszeKlatki,
    ::testing::Values(
        // Text and gap end exactly at x = 0: not yet retired.
        WierszKlatki{"not_retired_at_zero", {100, 60}, -120, 0, 2, 306, 0, -122, {{0, -122}, {1, -2}, {0, 178}, {1, 298}}},
        // One pixel further: retired, the next entry leads from its own place.
        WierszKlatki{"retired_one_past_zero", {100, 60}, -121, 0, 2, 306, 1, -3, {{1, -3}, {0, 177}, {1, 297}}},
        // The last entry retires: 100 px more and back to entry 0.
        WierszKlatki{"last_retires_and_wraps", {100, 60}, -81, 1, 2, 306, 0, 97, {{0, 97}, {1, 217}}},
        // Entry 0 follows 120 px after the end of the last text (8 + 60),
        // its separator 102 px into that gap.
        WierszKlatki{"wrap_gap", {100, 60}, 10, 1, 2, 306, 1, 8, {{1, 8}, {0, 188}}, {-10, 170}},
        // Every entry that has left the strip retires in the same frame.
        WierszKlatki{"retires_all_that_left", {10, 10, 10}, -100, 0, 2, 306, 0, 88,
                     {{0, 88}, {1, 118}, {2, 148}, {0, 278}}},
        WierszKlatki{"single_entry_follows_itself", {50}, 0, 0, 2, 306, 0, -2, {{0, -2}, {0, 168}}},
        // The stop test reads the width of the box as it is now.
        WierszKlatki{"narrow_box", {100, 60}, 50, 0, 2, 150, 0, 48, {{0, 48}}},
        // At least one entry is drawn, even beyond the right edge.
        WierszKlatki{"enters_from_beyond_the_edge", {100, 60}, 402, 0, 2, 306, 0, 400, {{0, 400}}},
        WierszKlatki{"step_zero_redraws_in_place", {100, 60}, 50, 0, 0, 306, 0, 50, {{0, 50}, {1, 170}}},
        WierszKlatki{"negative_step_moves_right", {100, 60}, 50, 0, -5, 306, 0, 55, {{0, 55}, {1, 175}}}),
    [](const auto& info) { return std::string(info.param.nazwa); });

TEST(RysujKlatke, NoEntriesDrawNothingAndChangeNothing)
{
    Rejestr plotno;
    StanSlow stan = lista({100, 60}, plotno);
    stan.LiczbaSlow = 0;
    stan.PozycjaX = 50;
    RysujKlatke(stan, 2, plotno);
    EXPECT_TRUE(plotno.ops.empty());
    EXPECT_EQ(stan.PozycjaX, 50);
    EXPECT_EQ(stan.PierwszeSlowo, 0);
}

// The described frame, which retires at most one entry, as the reference
// for steps it keeps up with.
void klatkaJednoNaRaz(StanSlow& s, std::int32_t p, Rejestr& c)
{
    int w = c.szerokoscTekstu(TekstSlowa(s.Slowa[s.PierwszeSlowo]));
    if (s.PozycjaX + w + 20 < 0) {
        s.PozycjaX += w + 20;
        if (++s.PierwszeSlowo == s.LiczbaSlow) {
            s.PozycjaX += 100;
            s.PierwszeSlowo = 0;
        }
    }
    int x = s.PozycjaX;
    int i = s.PierwszeSlowo;
    do {
        const std::string t = TekstSlowa(s.Slowa[i]);
        c.rysujTekst(x, s.PozycjaY, t, Ticker::KolorPaska);
        c.wypelnij(x - 18, s.PozycjaY + 3, x - 4, s.PozycjaY + 16, Ticker::KolorPaska);
        c.rysujTekst(x - p, s.PozycjaY, t, Ticker::KolorTekstu);
        c.rysujObrazek(x - p - 18, s.PozycjaY + 3);
        x += c.szerokoscTekstu(t) + 20;
        if (++i == s.LiczbaSlow) {
            x += 100;
            i = 0;
        }
    } while (x < c.szerokosc());
    s.PozycjaX -= p;
}

std::vector<std::string> rysowane(Rejestr& plotno)
{
    std::vector<std::string> out;
    for (const auto& op : plotno.ops)
        if (op.rfind("text", 0) == 0 || op.rfind("fill", 0) == 0 || op.rfind("picture", 0) == 0)
            out.push_back(op);
    plotno.ops.clear();
    return out;
}

TEST(RysujKlatke, SamePictureAsOneRetirementPerFrameWhereThatKeepsUp)
{
    for (const std::int32_t p : {1, 2, 7, 30}) {
        SCOPED_TRACE(p);
        Rejestr nasz;
        Rejestr wzor;
        StanSlow a = lista({100, 60, 30, 450}, nasz);
        StanSlow b = lista({100, 60, 30, 450}, wzor);
        a.PozycjaX = b.PozycjaX = 402;
        for (int k = 0; k < 3000; ++k) {
            RysujKlatke(a, p, nasz);
            klatkaJednoNaRaz(b, p, wzor);
            ASSERT_EQ(a.PozycjaX, b.PozycjaX) << "frame " << k;
            ASSERT_EQ(a.PierwszeSlowo, b.PierwszeSlowo) << "frame " << k;
            // Everything drawn is the same, operation for operation.
            ASSERT_EQ(rysowane(nasz), rysowane(wzor)) << "frame " << k;
        }
    }
}

// A step wider than many entries: PozycjaX never trails further than one
// step behind the strip, and a frame measures at most two rounds of the list
// besides what it draws, however large the step.
TEST(RysujKlatke, LargeStepsStayBoundedAndCheap)
{
    for (const std::int32_t p : {100, 5000, 1 << 20, 1 << 24, INT32_MAX}) {
        SCOPED_TRACE(p);
        Rejestr plotno;
        StanSlow stan = lista({3, 5, 7, 11, 13}, plotno);
        stan.PozycjaX = 402;
        for (int k = 0; k < 300; ++k) {
            plotno.pomiary = 0;
            plotno.biale.clear();
            RysujKlatke(stan, p, plotno);
            const int rysowane = static_cast<int>(plotno.biale.size());
            EXPECT_LE(plotno.pomiary, 2 * stan.LiczbaSlow + 1 + rysowane);
            EXPECT_GE(static_cast<std::int64_t>(stan.PozycjaX), std::max<std::int64_t>(-13 - 20 - std::int64_t{p}, -(1 << 24)));
            EXPECT_LT(stan.PierwszeSlowo, stan.LiczbaSlow);
        }
    }
}

// A negative step moves the texts right until they are far beyond any strip;
// there PozycjaX stops growing and every frame draws off the strip.
TEST(RysujKlatke, NegativeStepsStayBounded)
{
    for (const std::int32_t p : {-1000000, INT32_MIN}) {
        SCOPED_TRACE(p);
        Rejestr plotno;
        StanSlow stan = lista({100, 60}, plotno);
        stan.PozycjaX = 50;
        for (int k = 0; k < 100; ++k)
            RysujKlatke(stan, p, plotno);
        EXPECT_EQ(stan.PozycjaX, 1 << 24);
        EXPECT_EQ(stan.PierwszeSlowo, 0);
        plotno.biale.clear();
        RysujKlatke(stan, p, plotno);
        EXPECT_EQ(stan.PozycjaX, 1 << 24);
        ASSERT_EQ(plotno.biale.size(), 1u);
        EXPECT_GE(plotno.biale[0].second, plotno.szer);
    }
}
