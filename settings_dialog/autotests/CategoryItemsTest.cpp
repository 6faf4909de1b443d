#include "CategoryItems.h"

#include "Cp1250.h"

#include <gtest/gtest.h>

namespace {

std::string cp(const char* utf8)
{
    return Cp1250::fromUnicodeOrDie(QString::fromUtf8(utf8));
}

TEST(CategoryItems, SortsByPolishAlphabetIgnoringCase)
{
    const std::vector<std::string> kategorie{cp("*wszystkie"), cp("zwierzęta"), cp("Łąka"), cp("Owoce"),
                                             cp("dom"), cp("Lato"), cp("ćwiczenia"), cp("Cebula")};
    const std::vector<std::string> expected{cp("*wszystkie"), cp("Cebula"), cp("ćwiczenia"), cp("dom"),
                                            cp("Lato"), cp("Łąka"), cp("Owoce"), cp("zwierzęta")};
    EXPECT_EQ(CategoryItems::of(kategorie), expected);
}

TEST(CategoryItems, NoListOffersTheMarkerAlone)
{
    EXPECT_EQ(CategoryItems::of(std::nullopt), std::vector<std::string>{"*wszystkie"});
    EXPECT_TRUE(CategoryItems::of(std::vector<std::string>{}).empty());
}

TEST(CategoryItems, FindsFirstItemIgnoringCase)
{
    const std::vector<std::string> items{cp("*wszystkie"), cp("dom"), cp("Łąka"), cp("zwierzęta")};
    EXPECT_EQ(CategoryItems::find(items, cp("DOM")), 1u);
    EXPECT_EQ(CategoryItems::find(items, cp("łĄKA")), 2u);
    EXPECT_EQ(CategoryItems::find(items, cp("ZWIERZĘTA")), 3u);
    EXPECT_EQ(CategoryItems::find(items, cp("*WSZYSTKIE")), 0u);
    EXPECT_FALSE(CategoryItems::find(items, cp("domy")).has_value());
    EXPECT_FALSE(CategoryItems::find(items, "").has_value());
}

} // namespace
