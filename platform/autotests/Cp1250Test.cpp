#include "Cp1250.h"

#include <gtest/gtest.h>

TEST(Cp1250, EveryByteSurvivesShowingAndStoring)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString shown = Cp1250::toUnicode(all);
    ASSERT_EQ(shown.size(), 256);
    EXPECT_EQ(Cp1250::fromUnicode(shown), all);
}

TEST(Cp1250, PolishLettersAreTheirUnicodeLetters)
{
    const std::string bytes = "\xA5\xB9\xC6\xE6\xCA\xEA\xA3\xB3\xD1\xF1\xD3\xF3\x8C\x9C\x8F\x9F\xAF\xBF";
    EXPECT_EQ(Cp1250::toUnicode(bytes), QStringLiteral("ĄąĆćĘęŁłŃńÓóŚśŹźŻż"));
}

TEST(Cp1250, CharacterOutsideTheCodePageIsRefusedWithItsPlace)
{
    qsizetype bad = -1;
    EXPECT_FALSE(Cp1250::fromUnicode(QStringLiteral("dom Ж"), &bad).has_value());
    EXPECT_EQ(bad, 4);
}
