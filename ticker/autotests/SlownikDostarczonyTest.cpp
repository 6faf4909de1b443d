// The dictionary that ships beside the program, read back through the
// program's own rules.
#include "Cp1250.h"
#include "FileOps.h"
#include "ListaSlow.h"
#include "PlikSlownika.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

const std::string kShipped = std::string(SLOWNIK_APP_DIR) + "/slownik.txt";

} // namespace

TEST(SlownikDostarczony, BytesAreWindows1250LinesEndingInCrLf)
{
    const std::string bytes = FileOps::readAll(kShipped);
    ASSERT_FALSE(bytes.empty());
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF") << "a UTF-8 byte-order mark";
    ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\r') {
            ASSERT_EQ(bytes[i + 1], '\n') << "a CR without LF at byte " << i;
        } else if (b == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "an LF without CR at byte " << i;
        } else {
            // No control character, and none of the bytes the code page leaves undefined.
            ASSERT_TRUE(b >= 0x20 && b != 0x7F) << "byte " << i;
            ASSERT_TRUE(b != 0x81 && b != 0x83 && b != 0x88 && b != 0x90 && b != 0x98) << "byte " << i;
        }
    }
}

TEST(SlownikDostarczony, EveryLineIsThreeQuotedFieldsWithNoDuplicate)
{
    const std::vector<std::string> linie = CzytajLinie(kShipped);
    EXPECT_GE(linie.size(), 1500u);
    QSet<QString> lines;
    for (const std::string& linia : linie) {
        const std::vector<std::string> pola = PodzielLinie(linia);
        ASSERT_EQ(pola.size(), 3u) << linia;
        // Exactly as the editor would write it.
        EXPECT_EQ(ZlozLinie(pola[0], pola[1], pola[2]), linia);
        for (const auto& pole : pola) {
            EXPECT_FALSE(pole.empty()) << linia;
            EXPECT_LE(pole.size(), &pole == &pola[2] ? 50u : 200u) << linia;
        }
        // Lines that are the same by TakieSame count as duplicates.
        EXPECT_FALSE(lines.contains(KluczPorownania(linia))) << linia;
        lines.insert(KluczPorownania(linia));
    }
}

TEST(SlownikDostarczony, LoadsAsTheWordListWithoutFailure)
{
    StanSlow stan;
    int bledy = 0;
    WczytajListeSlow(stan, kShipped, WszystkieKategorie, [&] { ++bledy; });
    EXPECT_EQ(bledy, 0);
    EXPECT_GE(stan.LiczbaSlow, 1500);
    ASSERT_TRUE(stan.Kategorie.has_value());
    // The marker plus at least 20 categories.
    EXPECT_GE(stan.Kategorie->size(), 21u);
    // Every category picks its own entries, and together they are all of them.
    std::int32_t razem = 0;
    for (std::size_t k = 1; k < stan.Kategorie->size(); ++k) {
        StanSlow jedna;
        WczytajListeSlow(jedna, kShipped, (*stan.Kategorie)[k], [&] { ++bledy; });
        EXPECT_GT(jedna.LiczbaSlow, 0) << (*stan.Kategorie)[k];
        razem += jedna.LiczbaSlow;
    }
    EXPECT_EQ(razem, stan.LiczbaSlow);
    EXPECT_EQ(bledy, 0);
}

TEST(SlownikDostarczony, PolishTextsUsePolishLetters)
{
    const QString all = Cp1250::toUnicode(FileOps::readAll(kShipped));
    for (const QChar letter : QStringLiteral("ąćęłńóśźż"))
        EXPECT_TRUE(all.contains(letter)) << QString(letter).toStdString();
}
