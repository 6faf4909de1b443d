#include "DictionarySaver.h"

#include "FileError.h"
#include "FileOps.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class DictionarySaverTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    [[nodiscard]] std::string path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)).toStdString(); }
    [[nodiscard]] std::string txt() const { return path("slownik.txt"); }
    [[nodiscard]] std::string bak() const { return path("slownik.bak"); }

    void write(const std::string& file, const std::string& bytes) const
    {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    [[nodiscard]] QStringList entries() const
    {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }

    QTemporaryDir dir_;
};

const std::string kOld = "\"cat\";\"kot\";\"zwierz\xEAta\"\r\n";

TEST_F(DictionarySaverTest, FirstSaveKeepsTheOldFileAsBackupAndTheSecondLeavesIt)
{
    write(txt(), kOld);
    DictionarySaver::save(txt(), bak(), {R"("dog";"pies";"")"});
    EXPECT_EQ(FileOps::readAll(bak()), kOld);
    EXPECT_EQ(FileOps::readAll(txt()), "\"dog\";\"pies\";\"\"\r\n");

    DictionarySaver::save(txt(), bak(), {R"("a";"b";"c")", R"("";"";"")"});
    EXPECT_EQ(FileOps::readAll(bak()), kOld);
    EXPECT_EQ(FileOps::readAll(txt()), "\"a\";\"b\";\"c\"\r\n\"\";\"\";\"\"\r\n");
    EXPECT_EQ(entries(), QStringList({"slownik.bak", "slownik.txt"}));
}

TEST_F(DictionarySaverTest, NoRowsGiveAnEmptyFile)
{
    write(txt(), kOld);
    DictionarySaver::save(txt(), bak(), {});
    EXPECT_EQ(FileOps::fileSize(txt()), 0);
}

TEST_F(DictionarySaverTest, MissingDictionaryIsCreatedWithoutBackup)
{
    DictionarySaver::save(txt(), bak(), {R"("a";"b";"c")"});
    EXPECT_EQ(FileOps::readAll(txt()), "\"a\";\"b\";\"c\"\r\n");
    EXPECT_EQ(entries(), QStringList({"slownik.txt"}));
}

TEST_F(DictionarySaverTest, BackupPlaceTakenByADirectoryIsLeftAlone)
{
    write(txt(), kOld);
    ASSERT_TRUE(QDir(dir_.path()).mkdir("slownik.bak"));
    DictionarySaver::save(txt(), bak(), {R"("a";"b";"c")"});
    EXPECT_EQ(FileOps::readAll(txt()), "\"a\";\"b\";\"c\"\r\n");
    EXPECT_TRUE(QDir(QString::fromStdString(bak())).isEmpty());
}

TEST_F(DictionarySaverTest, DirectoryInPlaceOfTheDictionaryFailsWithItsName)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir("slownik.txt"));
    try {
        DictionarySaver::save(txt(), bak(), {R"("a";"b";"c")"});
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file \"" + txt() + "\". Is a directory");
    }
    EXPECT_EQ(entries(), QStringList({"slownik.txt"}));
}

TEST_F(DictionarySaverTest, ReadOnlyDictionaryIsRefusedAndKept)
{
    write(txt(), kOld);
    ASSERT_EQ(::chmod(txt().c_str(), 0444), 0);
    EXPECT_THROW(DictionarySaver::save(txt(), bak(), {R"("a";"b";"c")"}), FileError);
    EXPECT_EQ(FileOps::readAll(txt()), kOld);
}

// A disk that fills up while the new content is written: the child process
// may write at most 4 KiB per file, and a larger write fails with EFBIG.
TEST_F(DictionarySaverTest, SaveFailingPartWayLeavesTheOldDictionary)
{
    write(txt(), kOld);
    const std::vector<std::string> lines(2000, R"("a longer English text";"dłuższy polski tekst";"kategoria")");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{4096, 4096};
        ::signal(SIGXFSZ, SIG_IGN);
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(3);
        try {
            DictionarySaver::save(txt(), bak(), lines);
        } catch (const FileError& error) {
            ::_exit(std::string(error.what()) == "Stream write error" ? 0 : 2);
        }
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the save did not fail, 2: another error, 3: no limit";
    EXPECT_EQ(FileOps::readAll(txt()), kOld);
    EXPECT_EQ(FileOps::readAll(bak()), kOld);
    EXPECT_EQ(entries(), QStringList({"slownik.bak", "slownik.txt"})) << "no partial file left behind";
}

TEST_F(DictionarySaverTest, BackupThatCannotBeWrittenIsNotLeftHalfMade)
{
    write(txt(), std::string(10000, 'x'));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{4096, 4096};
        ::signal(SIGXFSZ, SIG_IGN);
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(3);
        ::_exit(DictionarySaver::makeBackup(txt(), bak()) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(entries(), QStringList({"slownik.txt"}));
}

} // namespace
