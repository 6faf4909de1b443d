#include "FileError.h"
#include "FileOps.h"
#include "PlikSlownika.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using Lines = std::vector<std::string>;

namespace {

std::string fileWith(const QTemporaryDir& dir, const std::string& bytes)
{
    const auto path = dir.filePath(QStringLiteral("slownik.txt")).toStdString();
    FileOps::writeAtomically(path, bytes);
    return path;
}

} // namespace

struct ReadRow {
    std::string bytes;
    Lines lines;
};

class CzytajLinieRows : public ::testing::TestWithParam<ReadRow> {};

TEST_P(CzytajLinieRows, SplitsAFileIntoLines)
{
    QTemporaryDir dir;
    EXPECT_EQ(CzytajLinie(fileWith(dir, GetParam().bytes)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    PlikSlownika, CzytajLinieRows,
    ::testing::Values(ReadRow{"A\r\nB\r\n", {"A", "B"}}, ReadRow{"A\nB", {"A", "B"}}, ReadRow{"A\rB", {"A", "B"}},
                      ReadRow{"A\n\rB", {"A", "", "B"}}, ReadRow{"A\r\r\nB", {"A", "", "B"}},
                      ReadRow{"A\r\n\r\n", {"A", ""}},
                      // A NUL byte is an ordinary byte: what follows it is not lost on a rewrite.
                      ReadRow{std::string("A\r\nB\0C\r\n", 8), {"A", std::string("B\0C", 3)}},
                      ReadRow{"", {}}, ReadRow{"\xA3\xF3\x64\xBF\r\n", {"\xA3\xF3\x64\xBF"}}));

TEST(PlikSlownika, CzytajLinieReportsAMissingFile)
{
    QTemporaryDir dir;
    const auto path = dir.filePath(QStringLiteral("slownik.txt")).toStdString();
    try {
        (void)CzytajLinie(path);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + path + "\". No such file or directory");
    }
}

TEST(PlikSlownika, ZapiszLinieEndsEveryLineWithCrLfAndReadsBack)
{
    QTemporaryDir dir;
    const auto path = fileWith(dir, "old");
    const Lines lines{"\"a\";\"b\";\"c\"", "", std::string("x\0y", 3)};
    ZapiszLinie(path, lines);
    EXPECT_EQ(FileOps::readAll(path), std::string("\"a\";\"b\";\"c\"\r\n\r\nx\0y\r\n", 20));
    EXPECT_EQ(CzytajLinie(path), lines);
    ZapiszLinie(path, {});
    EXPECT_EQ(FileOps::fileSize(path), 0);
}

TEST(PlikSlownika, ZapiszLinieIntoAMissingDirectoryFails)
{
    QTemporaryDir dir;
    const auto path = dir.filePath(QStringLiteral("brak/slownik.txt")).toStdString();
    try {
        ZapiszLinie(path, {"a"});
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file \"" + path + "\". No such file or directory");
    }
}

struct SplitRow {
    std::string line;
    Lines fields;
};

class PodzielLinieRows : public ::testing::TestWithParam<SplitRow> {};

TEST_P(PodzielLinieRows, SplitsALineIntoFields)
{
    EXPECT_EQ(PodzielLinie(GetParam().line), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    PlikSlownika, PodzielLinieRows,
    ::testing::Values(SplitRow{R"("a";"b";"c")", {"a", "b", "c"}}, SplitRow{"a;b;c", {"a", "b", "c"}},
                      SplitRow{R"("a b";" c ";"d")", {"a b", " c ", "d"}}, SplitRow{"a b;c", {"a", "b", "c"}},
                      SplitRow{R"("a" ; "b")", {"a", "b"}}, SplitRow{R"("a";;"c")", {"a", "", "c"}},
                      SplitRow{R"("a";"b";)", {"a", "b", ""}}, SplitRow{R"("a";"b"; )", {"a", "b"}},
                      SplitRow{";", {"", ""}}, SplitRow{R"("")", {""}}, SplitRow{R"("";"";"")", {"", "", ""}},
                      SplitRow{R"("a""b";c)", {"a\"b", "c"}}, SplitRow{R"("ab"cd;e)", {"ab", "cd", "e"}},
                      SplitRow{R"(ab"cd;e)", {"ab\"cd", "e"}}, SplitRow{R"("abc)", {"abc"}},
                      SplitRow{R"("a";"b";"c";"d")", {"a", "b", "c", "d"}}, SplitRow{"", {}},
                      SplitRow{" \t ", {}}, SplitRow{"\t\"x\"\t;\t\"y\"", {"x", "y"}},
                      SplitRow{"\"\xB9\xE6\";\"\x8C\"", {"\xB9\xE6", "\x8C"}}));

TEST(PlikSlownika, ComposedLineSplitsBackIntoTheSameTexts)
{
    const std::vector<std::array<std::string, 3>> rows{
        {"a", "b", "c"}, {"", "", ""}, {" lead", "trail ", " "}, {"say \"hi\"", "\"", "x;y"}, {"\xA5\xB3", "a\"\"b", ";"}};
    for (const auto& row : rows) {
        const std::string line = ZlozLinie(row[0], row[1], row[2]);
        EXPECT_EQ(PodzielLinie(line), (Lines{row[0], row[1], row[2]})) << line;
    }
    EXPECT_EQ(ZlozLinie("a", "b", "c"), R"("a";"b";"c")");
    EXPECT_EQ(ZlozLinie("a\"b", "", "c"), R"("a""b";"";"c")");
}

struct SameRow {
    std::string a;
    std::string b;
    bool same;
};

class TakieSameRows : public ::testing::TestWithParam<SameRow> {};

TEST_P(TakieSameRows, IgnoresLetterCaseOnly)
{
    EXPECT_EQ(TakieSame(GetParam().a, GetParam().b), GetParam().same);
    EXPECT_EQ(KluczPorownania(GetParam().a) == KluczPorownania(GetParam().b), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(PlikSlownika, TakieSameRows,
                         ::testing::Values(SameRow{"Dom", "dom", true},
                                           // Żaba / żaba
                                           SameRow{"\xAF" "aba", "\xBF" "aba", true},
                                           // every Polish capital against its small letter
                                           SameRow{"\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF", "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF", true},
                                           SameRow{R"("a";"b";"c")", R"("A";"B";"C")", true},
                                           SameRow{R"("a";"b";"c")", R"("a";"b";"c" )", false},
                                           SameRow{R"("a";"b";"c")", "a;b;c", false}, SameRow{"*WSZYSTKIE", "*wszystkie", true},
                                           SameRow{"l", "\xB3", false}, SameRow{"", "", true}));
