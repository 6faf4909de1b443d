#include "UpdateSteps.h"

#include "FileError.h"
#include "FileOps.h"
#include "PlikSlownika.h"
#include "UpdateError.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sys/stat.h>

namespace {

using Lines = std::vector<std::string>;

class UpdateSteps : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return dir.path().toStdString() + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    QTemporaryDir dir;
};

// The merge as first described: a linear search of the list in its current state.
Lines mergeBySearch(Lines slownik, const Lines& pobrane)
{
    for (const auto& linia : pobrane) {
        bool found = false;
        for (const auto& stara : slownik) {
            if (TakieSame(stara, linia)) {
                found = true;
                break;
            }
        }
        if (!found)
            slownik.push_back(linia);
    }
    return slownik;
}

TEST_F(UpdateSteps, RozmiarPlikuGivesDecimalSizeOrEmptyText)
{
    write("slownik", std::string(1234, 'x'));
    write("pusty", "");
    write("tylko", "abc");
    ASSERT_EQ(::chmod(path("tylko").c_str(), 0444), 0);
    std::filesystem::create_directory(path("katalog"));

    EXPECT_EQ(RozmiarPliku(path("slownik")), "1234");
    EXPECT_EQ(RozmiarPliku(path("pusty")), "0");
    EXPECT_EQ(RozmiarPliku(path("tylko")), "3");
    EXPECT_EQ(RozmiarPliku(path("brak")), "");
    EXPECT_EQ(RozmiarPliku(path("katalog")), "");
}

struct ReplyRow {
    const char* name;
    std::string reply;
    OdpowiedzWersji expected;
};

class VersionReply : public UpdateSteps, public ::testing::WithParamInterface<ReplyRow> {};

TEST_P(VersionReply, FirstCharacterDecides)
{
    write("temp.tmp", GetParam().reply);
    EXPECT_EQ(SprawdzOdpowiedz(path("temp.tmp")), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, VersionReply,
    ::testing::Values(ReplyRow{"zero", "0", OdpowiedzWersji::Aktualna},
                      ReplyRow{"zeroFollowed", "0abc", OdpowiedzWersji::Aktualna},
                      ReplyRow{"zeroLine", "0\r\n1\r\n", OdpowiedzWersji::Aktualna},
                      ReplyRow{"one", "1", OdpowiedzWersji::Nowsza},
                      ReplyRow{"blank", " ", OdpowiedzWersji::Nowsza},
                      ReplyRow{"blankThenZero", " 0", OdpowiedzWersji::Nowsza},
                      ReplyRow{"byteOrderMark", "\xEF\xBB\xBF" "0", OdpowiedzWersji::Nowsza},
                      ReplyRow{"emptyFirstLine", "\r\n0", OdpowiedzWersji::Nowsza},
                      ReplyRow{"lineFeedOnly", "\n", OdpowiedzWersji::Nowsza},
                      ReplyRow{"errorPage", "<html>404</html>", OdpowiedzWersji::Nowsza}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpdateSteps, EmptyReplyIsAFailure)
{
    write("temp.tmp", "");
    EXPECT_THROW((void)SprawdzOdpowiedz(path("temp.tmp")), UpdateError);
    EXPECT_THROW((void)SprawdzOdpowiedz(path("brak.tmp")), FileError);
}

struct MergeRow {
    const char* name;
    Lines slownik;
    Lines pobrane;
    Lines expected;
};

class MergeLines : public ::testing::TestWithParam<MergeRow> {};

TEST_P(MergeLines, AppendsOnlyLinesNotYetThere)
{
    const auto& row = GetParam();
    EXPECT_EQ(ScalLinie(row.slownik, row.pobrane), row.expected);
    EXPECT_EQ(mergeBySearch(row.slownik, row.pobrane), row.expected);
}

// Windows-1250 bytes of the Polish letter pairs.
const std::string kUpperPolish = "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"; // ĄĆĘŁŃÓŚŹŻ
const std::string kLowerPolish = "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"; // ąćęłńóśźż

INSTANTIATE_TEST_SUITE_P(
    Rows, MergeLines,
    ::testing::Values(
        MergeRow{"onlyKnownLines", {"\"a\";\"b\";\"c\"", "\"d\";\"e\";\"f\""}, {"\"d\";\"e\";\"f\""},
                 {"\"a\";\"b\";\"c\"", "\"d\";\"e\";\"f\""}},
        MergeRow{"newLinesKeepTheirOrder", {"x"}, {"c", "a", "b"}, {"x", "c", "a", "b"}},
        MergeRow{"twiceDownloadedOnceAdded", {"x"}, {"\"n\";\"m\";\"k\"", "\"n\";\"m\";\"k\""},
                 {"x", "\"n\";\"m\";\"k\""}},
        MergeRow{"secondSpellingByCaseNotAdded", {"x"}, {"\"Dom\";\"dom\";\"a\"", "\"DOM\";\"DOM\";\"A\""},
                 {"x", "\"Dom\";\"dom\";\"a\""}},
        MergeRow{"letterCaseIgnored", {"\"a\";\"b\";\"c\""}, {"\"A\";\"B\";\"C\""}, {"\"a\";\"b\";\"c\""}},
        MergeRow{"polishLetterCaseIgnored", {"\"frog\";\"\xAF" "aba\";\"zwierz\xEAta\""},
                 {"\"FROG\";\"\xBF" "aba\";\"ZWIERZ\xCATA\""}, {"\"frog\";\"\xAF" "aba\";\"zwierz\xEAta\""}},
        MergeRow{"everyPolishPair", {kUpperPolish}, {kLowerPolish}, {kUpperPolish}},
        MergeRow{"polishLetterIsNotItsBase", {"\xB3" "ad"}, {"lad", "LAD"}, {"\xB3" "ad", "lad"}},
        MergeRow{"trailingBlankCounts", {"\"a\";\"b\";\"c\""}, {"\"a\";\"b\";\"c\" "}, {"\"a\";\"b\";\"c\"", "\"a\";\"b\";\"c\" "}},
        MergeRow{"quotingCounts", {"\"a\";\"b\";\"c\""}, {"a;b;c"}, {"\"a\";\"b\";\"c\"", "a;b;c"}},
        MergeRow{"oldDuplicatesKept", {"a", "b", "a"}, {"A", "c"}, {"a", "b", "a", "c"}},
        MergeRow{"emptyLineOnce", {"a"}, {"", "b", ""}, {"a", "", "b"}},
        MergeRow{"emptyLineKnown", {"", "a"}, {""}, {"", "a"}},
        MergeRow{"nothingDownloaded", {"a", "b"}, {}, {"a", "b"}},
        MergeRow{"emptyDictionary", {}, {"b", "a", "B"}, {"b", "a"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MergeLinesAgree, WithTheLinearSearchOnEveryByteAndRandomLines)
{
    Lines singles;
    for (int b = 1; b < 256; ++b)
        singles.emplace_back(1, static_cast<char>(b));
    EXPECT_EQ(ScalLinie({}, singles), mergeBySearch({}, singles));
    EXPECT_EQ(ScalLinie(singles, singles), singles);

    // Short lines over letters of both cases, so that many pairs collide.
    const std::string alphabet = "aAbB;\" " + kUpperPolish + kLowerPolish + "\xC9\xE9\xDF\xFF";
    std::mt19937 random(1234);
    auto line = [&] {
        std::string text;
        const int length = static_cast<int>(random() % 4);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        return text;
    };
    Lines slownik, pobrane;
    for (int i = 0; i < 400; ++i)
        slownik.push_back(line());
    for (int i = 0; i < 800; ++i)
        pobrane.push_back(line());
    EXPECT_EQ(ScalLinie(slownik, pobrane), mergeBySearch(slownik, pobrane));
}

TEST_F(UpdateSteps, ScalSlownikiRewritesWithCrLfAndDeletesTheDownload)
{
    write("slownik.txt", "\"a\";\"b\";\"c\"\nx\ry\r\n\"d\";\"e\";\"f\"");
    write("slownik_nowy.txt", "\"A\";\"B\";\"C\"\r\nnowa\nnowa\r\n");
    ScalSlowniki(path("slownik.txt"), path("slownik_nowy.txt"));
    EXPECT_EQ(FileOps::readAll(path("slownik.txt")), "\"a\";\"b\";\"c\"\r\nx\r\ny\r\n\"d\";\"e\";\"f\"\r\nnowa\r\n");
    EXPECT_FALSE(std::filesystem::exists(path("slownik_nowy.txt")));
}

TEST_F(UpdateSteps, ScalSlownikiWithNothingNewStillRewritesTheLineEnds)
{
    write("slownik.txt", "a\nb");
    write("slownik_nowy.txt", "B\r\n");
    ScalSlowniki(path("slownik.txt"), path("slownik_nowy.txt"));
    EXPECT_EQ(FileOps::readAll(path("slownik.txt")), "a\r\nb\r\n");
    EXPECT_FALSE(std::filesystem::exists(path("slownik_nowy.txt")));
}

TEST_F(UpdateSteps, FailedMergeKeepsTheDownloadAndTheDictionary)
{
    write("slownik_nowy.txt", "nowa\r\n");
    EXPECT_THROW(ScalSlowniki(path("slownik.txt"), path("slownik_nowy.txt")), FileError);
    EXPECT_TRUE(std::filesystem::exists(path("slownik_nowy.txt")));

    write("slownik.txt", "stara\r\n");
    ASSERT_EQ(::chmod(path("slownik.txt").c_str(), 0444), 0);
    EXPECT_THROW(ScalSlowniki(path("slownik.txt"), path("slownik_nowy.txt")), FileError);
    EXPECT_EQ(FileOps::readAll(path("slownik.txt")), "stara\r\n");
    EXPECT_TRUE(std::filesystem::exists(path("slownik_nowy.txt")));
}

} // namespace
