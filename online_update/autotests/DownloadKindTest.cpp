#include "FileError.h"
#include "UpdateSteps.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>

namespace {

struct KindRow {
    const char* name;
    std::string bytes;
    bool program;
    bool dictionary;
};

void PrintTo(const KindRow& row, std::ostream* os)
{
    *os << row.name;
}

class DownloadKinds : public ::testing::TestWithParam<KindRow> {};

TEST_P(DownloadKinds, ProgramIsElfAndDictionaryHoldsNoNul)
{
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("pobrany")).toStdString();
    std::ofstream(file, std::ios::binary) << GetParam().bytes;
    EXPECT_EQ(looksLikeProgram(file), GetParam().program);
    EXPECT_EQ(looksLikeDictionary(file), GetParam().dictionary);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DownloadKinds,
    ::testing::Values(KindRow{"elfProgram", std::string("\x7f" "ELF\x02\x01\x01\x00\x00", 9), true, false},
                      KindRow{"dictionary", "\"cat\";\"kot\";\"b\"\r\n\"frog\";\"\xBF" "aba\";\"b\"\r\n", false, true},
                      KindRow{"empty", "", false, true},
                      KindRow{"elfMagicCut", "\x7f" "EL", false, true},
                      KindRow{"script", "#!/bin/sh\nexit 0\n", false, true},
                      KindRow{"htmlPage", "<html><body>Error</body></html>", false, true},
                      KindRow{"nulAtTheEnd", std::string("\"a\";\"b\";\"c\"\r\n\0", 14), false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DownloadKind, MissingFileFails)
{
    EXPECT_THROW((void)looksLikeProgram("/nonexistent/slownik_nowy"), FileError);
    EXPECT_THROW((void)looksLikeDictionary("/nonexistent/slownik_nowy.txt"), FileError);
}

} // namespace
