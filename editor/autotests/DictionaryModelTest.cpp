#include "DictionaryModel.h"
#include "DictionarySearch.h"

#include <gtest/gtest.h>

namespace {

struct LoadCase {
    const char* name;
    std::string line;
    std::array<QString, 3> cells;
    std::string saved;
};

class LoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadTest, LineBecomesCellsAndComesBackAsThreeQuotedFields)
{
    const LoadCase& c = GetParam();
    DictionaryModel model;
    model.load({c.line});
    ASSERT_EQ(model.rows(), 1);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(model.text(0, k), c.cells[static_cast<std::size_t>(k)]) << "column " << k;
    EXPECT_EQ(model.lines(), std::vector<std::string>{c.saved});
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LoadTest,
    ::testing::Values(
        LoadCase{"EmptyFieldIsOneSpace", R"("a";"";"c")", {"a", " ", "c"}, R"("a";" ";"c")"},
        LoadCase{"TwoFieldsLeaveTheThirdEmpty", R"("a";"b")", {"a", "b", ""}, R"("a";"b";"")"},
        LoadCase{"FourthFieldDropped", R"("a";"b";"c";"d")", {"a", "b", "c"}, R"("a";"b";"c")"},
        LoadCase{"EmptyLineIsAnEmptyRow", "", {"", "", ""}, R"("";"";"")"},
        LoadCase{"UnquotedFields", "a;b;c", {"a", "b", "c"}, R"("a";"b";"c")"},
        LoadCase{"TrailingDelimiterGivesEmptyField", R"("a";"b";)", {"a", "b", " "}, R"("a";"b";" ")"},
        LoadCase{"QuotesDoubledOnSave", R"("a""b";"""";"c")", {"a\"b", "\"", "c"}, R"("a""b";"""";"c")"},
        LoadCase{"PolishBytesShownAsLetters", "\"\xA5\xB9\";\"\x8C\x9C\";\"\xAF\xBF\"",
                 {QStringLiteral("Ąą"), QStringLiteral("Śś"), QStringLiteral("Żż")},
                 "\"\xA5\xB9\";\"\x8C\x9C\";\"\xAF\xBF\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DictionaryModel, EditedCellsAreStoredAsWindows1250)
{
    DictionaryModel model;
    model.load({R"("a";"b";"c")"});
    ASSERT_TRUE(model.setData(model.index(0, 1), QStringLiteral("źdźbło \"x\""), Qt::EditRole));
    EXPECT_EQ(model.lines(), std::vector<std::string>{"\"a\";\"\x9F\x64\x9F\x62\xB3o \"\"x\"\"\";\"c\""});
    model.appendRow();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.lines().back(), R"("";"";"")");
}

struct UnstorableCase {
    const char* name;
    QString text;
    QString character;
};

class UnstorableTest : public ::testing::TestWithParam<UnstorableCase> {};

TEST_P(UnstorableTest, NamedByRowColumnAndCharacter)
{
    DictionaryModel model;
    model.load({R"("a";"b";"c")", R"("d";"e";"f")"});
    model.setText(1, 1, GetParam().text);
    EXPECT_EQ(model.text(1, 1), GetParam().text) << "shown as typed";
    const auto bad = model.firstUnstorable();
    ASSERT_TRUE(bad.has_value());
    EXPECT_EQ(bad->row, 1);
    EXPECT_EQ(bad->column, 1);
    EXPECT_EQ(bad->character, GetParam().character);

    model.setText(1, 1, QStringLiteral("ok"));
    EXPECT_FALSE(model.firstUnstorable().has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cells, UnstorableTest,
    ::testing::Values(UnstorableCase{"OutsideCodePage", QStringLiteral("mañana"), QStringLiteral("ñ")},
                      UnstorableCase{"OutsideBasicPlane", QStringLiteral("a\U0001F600"), QStringLiteral("\U0001F600")},
                      UnstorableCase{"LineFeedWouldSplitTheLine", QStringLiteral("a\nb"), QStringLiteral("\n")},
                      UnstorableCase{"CarriageReturnWouldSplitTheLine", QStringLiteral("a\rb"), QStringLiteral("\r")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DictionaryModel, FirstUnstorableIsTheEarliestCell)
{
    DictionaryModel model;
    model.load({"a;b;c", "d;e;f", "g;h;i"});
    model.setText(2, 0, QStringLiteral("ñ"));
    model.setText(1, 2, QStringLiteral("x\ny"));
    model.setText(1, 1, QStringLiteral("ǿ"));
    const auto bad = model.firstUnstorable();
    ASSERT_TRUE(bad.has_value());
    EXPECT_EQ(std::pair(bad->row, bad->column), std::pair(1, 1));
}

// Rows 0..5 here are the grid's rows 1..6: "xaby" in row 2 column 2, "ab"
// in row 4 column 0 and again in column 1 of that row.
void fillSearchGrid(DictionaryModel& model)
{
    model.load({"\"Abecad\xB3o\";\"aBc\";\"lekcja\"", "\"cat\";\"kot\";\"zwierz\xEAta\"", R"("by";"przez";"xaby")",
                "\"dog\";\"pies\";\"zwierz\xEAta\"", "\"ab\";\"kabel\";\"skr\xF3ty\"", R"("end";"koniec";"inne")"});
}

TEST(DictionarySearch, MovesOneRowFurtherAtEachPressAndStaysAfterTheLast)
{
    DictionaryModel model;
    fillSearchGrid(model);
    DictionarySearch search;
    const QString ab = QStringLiteral("ab");
    EXPECT_EQ(search.next(model, ab), std::pair(2, 2));
    EXPECT_EQ(search.next(model, ab), std::pair(4, 0)) << "the second match in row 4 is passed over";
    EXPECT_EQ(search.next(model, ab), std::nullopt);
    EXPECT_EQ(search.startRow(), 5);
    EXPECT_EQ(search.next(model, ab), std::nullopt);
    search.restart();
    EXPECT_EQ(search.next(model, ab), std::pair(2, 2));
}

TEST(DictionarySearch, LetterCaseCountsAndEmptyTextIsNeverFound)
{
    DictionaryModel model;
    fillSearchGrid(model);
    DictionarySearch search;
    EXPECT_EQ(search.next(model, QStringLiteral("AB")), std::nullopt);
    EXPECT_EQ(search.next(model, QString()), std::nullopt);
    EXPECT_EQ(search.startRow(), 0);
    EXPECT_EQ(search.next(model, QStringLiteral("zwierzęta")), std::pair(1, 2)) << "Polish letters match byte for byte";
    EXPECT_EQ(search.next(model, QStringLiteral("ZWIERZĘTA")), std::nullopt);
}

TEST(DictionarySearch, FindsTextInACellNotYetStorable)
{
    DictionaryModel model;
    fillSearchGrid(model);
    model.setText(3, 1, QStringLiteral("señor"));
    DictionarySearch search;
    EXPECT_EQ(search.next(model, QStringLiteral("ñ")), std::pair(3, 1));
    search.restart();
    EXPECT_EQ(search.next(model, QStringLiteral("or")), std::pair(3, 1));
}

} // namespace
