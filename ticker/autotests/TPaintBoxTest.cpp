#include "AppFonts.h"
#include "Colours.h"
#include "Cp1250.h"
#include "KeyedPicture.h"
#include "KlatkaTickera.h"
#include "TPaintBox.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string cp(const char* utf8)
{
    return Cp1250::fromUnicodeOrDie(QString::fromUtf8(utf8));
}

QImage separator()
{
    return KeyedPicture::load(QStringLiteral(":/skin/SpacjaImg.png"));
}

void prepare(TPaintBox& box, int width)
{
    box.setFont(AppFonts::windowFont());
    box.setSeparator(separator());
    box.resize(width, 17);
}

// What the screen shows: the retained surface over the strip colour that
// lies under the paint box.
QImage onStrip(const QImage& surface)
{
    QImage out(surface.size(), QImage::Format_RGB32);
    out.fill(Colours::Strip);
    QPainter painter(&out);
    painter.drawImage(QPoint(0, 0), surface);
    return out;
}

// The entries a frame has just drawn, drawn once each on a clean surface:
// from the leftmost at PozycjaX, every entry whose erase position (its
// place plus the step) lay left of the right edge.
QImage cleanRender(const StanSlow& stan, std::int32_t piksele, int width)
{
    TPaintBox clean;
    prepare(clean, width);
    std::int64_t x = stan.PozycjaX;
    std::int32_t i = stan.PierwszeSlowo;
    do {
        const std::string t = TekstSlowa(stan.Slowa[static_cast<std::size_t>(i)]);
        clean.rysujTekst(static_cast<int>(x), stan.PozycjaY, t, Ticker::KolorTekstu);
        clean.rysujObrazek(static_cast<int>(x) - 18, stan.PozycjaY + 3);
        x += clean.szerokoscTekstu(t) + 20;
        if (++i == stan.LiczbaSlow) {
            x += 100;
            i = 0;
        }
    } while (x + piksele < width);
    return onStrip(clean.surface());
}

// The first pixel where two pictures differ, for the failure message.
std::string firstDifference(const QImage& a, const QImage& b)
{
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "(" + std::to_string(x) + "," + std::to_string(y) + ") " + QColor(a.pixel(x, y)).name().toStdString() +
                       " instead of " + QColor(b.pixel(x, y)).name().toStdString();
    return "none";
}

struct Residue {
    const char* name;
    std::vector<std::pair<const char*, const char*>> entries; // Polish, English
    std::int32_t piksele;
    // Widths the box takes in turn, each for an equal share of the frames.
    std::vector<int> widths;
};

void PrintTo(const Residue& w, std::ostream* os)
{
    *os << w.name;
}

StanSlow lista(const std::vector<std::pair<const char*, const char*>>& entries)
{
    StanSlow stan;
    for (const auto& [polski, angielski] : entries) {
        TSlowo slowo;
        slowo.Polski = cp(polski);
        slowo.Angielski = cp(angielski);
        stan.Slowa.push_back(slowo);
    }
    stan.LiczbaSlow = static_cast<std::int32_t>(stan.Slowa.size());
    return stan;
}

const std::vector<std::pair<const char*, const char*>> kSeveral{
    {"dom", "house"}, {"zażółć gęślą jaźń", "a quick brown fox"}, {"kot", "cat"}, {"Łódź", "boat"}, {"j", "i"}};
const std::vector<std::pair<const char*, const char*>> kSingle{{"kot", "cat"}};
const std::vector<std::pair<const char*, const char*>> kWide{
    {"przedsiębiorstwo państwowe gospodarki komunalnej", "state-owned municipal services enterprise"},
    {"ćma", "moth"}};

} // namespace

class Residues : public ::testing::TestWithParam<Residue> {};

// Many frames of erase and redraw leave exactly the picture of the texts in
// their latest places: no residue pixel, nothing missing.
TEST_P(Residues, SurfaceEqualsACleanRenderAfterEveryFrame)
{
    const Residue& r = GetParam();
    TPaintBox box;
    prepare(box, r.widths.front());
    StanSlow stan = lista(r.entries);
    stan.PozycjaY = (17 - QFontMetrics(AppFonts::windowFont()).height()) / 2;
    stan.PozycjaX = 402;
    std::int64_t cycle = 100;
    for (const auto& slowo : stan.Slowa)
        cycle += box.szerokoscTekstu(TekstSlowa(slowo)) + 20;
    const int frames = static_cast<int>((402 + 2 * cycle) / r.piksele) + 10;
    const int share = frames / static_cast<int>(r.widths.size()) + 1;
    for (int k = 0; k < frames; ++k) {
        const int width = r.widths[static_cast<std::size_t>(k / share)];
        if (box.width() != width)
            box.resize(width, 17);
        RysujKlatke(stan, r.piksele, box);
        const QImage shown = onStrip(box.surface());
        const QImage expected = cleanRender(stan, r.piksele, width);
        ASSERT_EQ(shown, expected) << "frame " << k << ", first difference " << firstDifference(shown, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    TPaintBox, Residues,
    ::testing::Values(Residue{"several_step1", kSeveral, 1, {306}}, Residue{"several_step2", kSeveral, 2, {306}},
                      Residue{"several_step7", kSeveral, 7, {306}}, Residue{"single_step1", kSingle, 1, {306}},
                      Residue{"single_step2", kSingle, 2, {306}}, Residue{"single_step7", kSingle, 7, {306}},
                      Residue{"wide_step1", kWide, 1, {306}}, Residue{"wide_step2", kWide, 2, {306}},
                      Residue{"wide_step7", kWide, 7, {306}},
                      // Steps wider than short entries retire several at once.
                      Residue{"several_step100", kSeveral, 100, {306}},
                      // The window is narrowed and widened between frames.
                      Residue{"resized_step2", kSeveral, 2, {306, 140, 520, 96, 306}},
                      Residue{"resized_step7", kWide, 7, {402, 200, 600, 306}}),
    [](const auto& info) { return std::string(info.param.name); });

// The erase restores a pixel only if the text left it either untouched or
// fully inked: no pixel of a drawn text is partly transparent.
TEST(TPaintBox, TextIsBoldWithoutAntialiasing)
{
    TPaintBox box;
    prepare(box, 300);
    EXPECT_TRUE(box.tickerFont().bold());
    EXPECT_EQ(box.tickerFont().styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
    box.rysujTekst(3, 0, cp("Zażółć gęślą jaźń- Quick"), Ticker::KolorTekstu);
    int ink = 0;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 300; ++x) {
            const QRgb p = box.surface().pixel(x, y);
            ASSERT_TRUE(p == 0 || p == 0xFFFFFFFFu) << x << "," << y << " " << std::hex << p;
            ink += p != 0;
        }
    EXPECT_GT(ink, 100);
    // Drawn in the strip colour, the same text covers exactly the same pixels.
    box.rysujTekst(3, 0, cp("Zażółć gęślą jaźń- Quick"), Ticker::KolorPaska);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 300; ++x) {
            const QRgb p = box.surface().pixel(x, y);
            ASSERT_TRUE(p == 0 || p == Colours::Strip.rgb()) << x << "," << y;
        }
}

TEST(TPaintBox, FillLeavesOutTheRightAndBottomEdges)
{
    TPaintBox box;
    prepare(box, 40);
    box.wypelnij(2, 3, 16, 16, Ticker::KolorPaska);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 2 && x < 16 && y >= 3 && y < 16;
            EXPECT_EQ(box.surface().pixel(x, y), inside ? Colours::Strip.rgb() : 0u) << x << "," << y;
        }
}

TEST(TPaintBox, SeparatorKeyColourIsLeftOut)
{
    const QImage picture = separator();
    ASSERT_EQ(picture.size(), QSize(14, 13));
    TPaintBox box;
    prepare(box, 40);
    box.wypelnij(0, 0, 40, 17, Ticker::KolorTekstu);
    box.rysujObrazek(5, 3);
    int keyed = 0;
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 14; ++x) {
            const QRgb source = picture.pixel(x, y);
            const QRgb shown = box.surface().pixel(5 + x, 3 + y);
            EXPECT_EQ(shown, qAlpha(source) == 0 ? 0xFFFFFFFFu : source) << x << "," << y;
            keyed += qAlpha(source) == 0;
        }
    // The bottom-left pixel is the key.
    EXPECT_EQ(box.surface().pixel(5, 15), 0xFFFFFFFFu);
    EXPECT_GT(keyed, 0);
}

TEST(TPaintBox, DrawsBeforeItIsShownAndPaintsOnlyItsSurface)
{
    TPaintBox box;
    prepare(box, 120);
    box.rysujTekst(0, 0, "A", Ticker::KolorTekstu);
    EXPECT_EQ(box.surface().size(), QSize(120, 17));
    QImage screen(120, 17, QImage::Format_RGB32);
    screen.fill(Qt::red);
    box.render(&screen, QPoint(), QRegion(), QWidget::DrawChildren);
    // Where nothing was drawn, what lies under the box shows through.
    EXPECT_EQ(screen.pixel(119, 16), QColor(Qt::red).rgb());
    int white = 0;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 20; ++x)
            white += screen.pixel(x, y) == 0xFFFFFFFFu;
    EXPECT_GT(white, 10);
    box.wyczysc();
    EXPECT_EQ(box.surface().pixel(2, 8), 0u);
}
