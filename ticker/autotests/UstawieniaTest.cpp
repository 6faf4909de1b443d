#include "FileOps.h"
#include "PlikKonfiguracji.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

const std::string kData = SLOWNIK_TEST_DATA;

std::string copyFixture(const QTemporaryDir& dir, const std::string& name)
{
    const std::string target = dir.filePath(QStringLiteral("konfig.cfg")).toStdString();
    FileOps::writeAtomically(target, FileOps::readAll(kData + "/" + name));
    return target;
}

} // namespace

TEST(TUstawienia, FileBytesMapOntoTheFieldsLittleEndian)
{
    TUstawienia u;
    ASSERT_TRUE(PlikKonfiguracji::Wczytaj(kData + "/konfig_72.cfg", u));
    EXPECT_EQ(u.Piksele, 3);
    EXPECT_EQ(u.Interwal, 250);
    EXPECT_EQ(u.Lewo, -20);
    EXPECT_EQ(u.Gora, 1000);
    EXPECT_EQ(u.Szerokosc, 600);
    EXPECT_EQ(u.Kategoria.str(), "jedzenie");
    EXPECT_TRUE(u.autoStart());
}

TEST(TUstawienia, LoadThenSaveRewritesTheSame72BytesBehindTheLengthToo)
{
    QTemporaryDir dir;
    const auto path = copyFixture(dir, "konfig_72.cfg");
    TUstawienia u;
    ASSERT_TRUE(PlikKonfiguracji::Wczytaj(path, u));
    ASSERT_TRUE(PlikKonfiguracji::Zapisz(path, u));
    EXPECT_EQ(FileOps::readAll(path), FileOps::readAll(kData + "/konfig_72.cfg"));
}

TEST(TUstawienia, ShorterCategoryKeepsTheBytesBehindIt)
{
    TUstawienia u;
    ASSERT_TRUE(PlikKonfiguracji::Wczytaj(kData + "/konfig_72.cfg", u));
    u.Kategoria = "dom";
    const auto image = u.obraz();
    EXPECT_EQ(image[20], 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&image[21]), 8), "domzenie");
    u.Kategoria = std::string(60, 'k');
    EXPECT_EQ(u.Kategoria.str(), std::string(50, 'k'));
    EXPECT_EQ(u.obraz()[20], 50);
}

TEST(TUstawienia, EmptyFileLeavesTheRecordZero)
{
    QTemporaryDir dir;
    const auto path = dir.filePath(QStringLiteral("konfig.cfg")).toStdString();
    FileOps::writeAtomically(path, "");
    TUstawienia u;
    ASSERT_TRUE(PlikKonfiguracji::Wczytaj(path, u));
    EXPECT_EQ(u.obraz(), TUstawienia::Obraz{});
}

TEST(TUstawienia, TenByteFileFillsTheFirstFieldsAndTwoBytesOfLewo)
{
    TUstawienia u;
    ASSERT_TRUE(PlikKonfiguracji::Wczytaj(kData + "/konfig_10.cfg", u));
    EXPECT_EQ(u.Piksele, 7);
    EXPECT_EQ(u.Interwal, 90);
    EXPECT_EQ(u.Lewo, 0x5678);
    EXPECT_EQ(u.Gora, 0);
    EXPECT_EQ(u.Kategoria.size(), 0u);
    EXPECT_FALSE(u.autoStart());
}

TEST(TUstawienia, LongerFileUsesItsFirst72BytesAndSavesExactly72)
{
    QTemporaryDir dir;
    const auto path = copyFixture(dir, "konfig_100.cfg");
    TUstawienia u;
    ASSERT_TRUE(PlikKonfiguracji::Wczytaj(path, u));
    ASSERT_TRUE(PlikKonfiguracji::Zapisz(path, u));
    EXPECT_EQ(FileOps::readAll(path), FileOps::readAll(kData + "/konfig_72.cfg"));
}

TEST(TUstawienia, LengthByteAbove50ReadsAs50WithoutOverrun)
{
    TUstawienia u;
    ASSERT_TRUE(PlikKonfiguracji::Wczytaj(kData + "/konfig_length200.cfg", u));
    EXPECT_EQ(u.Kategoria.size(), 50u);
    EXPECT_EQ(u.Kategoria.view().substr(0, 8), "jedzenie");
    EXPECT_EQ(u.obraz()[71], 1);
}

TEST(TUstawienia, MissingFileIsNoLoadAndReadOnlyFileIsNoSave)
{
    QTemporaryDir dir;
    TUstawienia u;
    EXPECT_FALSE(PlikKonfiguracji::Wczytaj(dir.filePath(QStringLiteral("konfig.cfg")).toStdString(), u));
    const auto path = copyFixture(dir, "konfig_72.cfg");
    ::chmod(path.c_str(), 0444);
    ASSERT_TRUE(PlikKonfiguracji::Wczytaj(path, u));
    u.Piksele = 9;
    EXPECT_FALSE(PlikKonfiguracji::Zapisz(path, u));
    EXPECT_EQ(FileOps::readAll(path), FileOps::readAll(kData + "/konfig_72.cfg"));
}
