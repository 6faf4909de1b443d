#include "FileError.h"
#include "FileOps.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string pathIn(const QTemporaryDir& dir, const char* name)
{
    return dir.filePath(QString::fromLatin1(name)).toStdString();
}

void put(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const FileError& error) {
        return error.what();
    }
    return {};
}

} // namespace

TEST(FileOps, WriteReplacesContentAndKeepsTheFileMode)
{
    QTemporaryDir dir;
    const auto path = pathIn(dir, "a.txt");
    put(path, "old");
    ::chmod(path.c_str(), 0640);
    FileOps::writeAtomically(path, std::string("new\0bytes", 9));
    EXPECT_EQ(FileOps::readAll(path), std::string("new\0bytes", 9));
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(FileOps, ReadOnlyFileIsNotReplacedEvenByRoot)
{
    QTemporaryDir dir;
    const auto path = pathIn(dir, "konfig.cfg");
    put(path, "old");
    ::chmod(path.c_str(), 0444);
    const auto message = messageOf([&] { FileOps::writeAtomically(path, "new"); });
    EXPECT_EQ(message, "Cannot create file \"" + path + "\". Permission denied");
    EXPECT_EQ(FileOps::readAll(path), "old");
}

TEST(FileOps, FailedWriteLeavesOldContentAndNoTemporaryFile)
{
    QTemporaryDir dir;
    const auto path = pathIn(dir, "slownik.txt");
    put(path, "old content");
    // A child whose writes fail with EFBIG stands for a full disk.
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4, 4};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const auto message = messageOf([&] { FileOps::writeAtomically(path, std::string(1000, 'x')); });
        ::_exit(message == "Stream write error" ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(FileOps::readAll(path), "old content");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("slownik.txt")});
}

TEST(FileOps, MissingFileReportsItsPathAndCause)
{
    QTemporaryDir dir;
    const auto path = pathIn(dir, "none.txt");
    EXPECT_EQ(messageOf([&] { (void)FileOps::readAll(path); }),
              "Cannot open file \"" + path + "\". No such file or directory");
    EXPECT_FALSE(FileOps::fileSize(path).has_value());
    EXPECT_FALSE(FileOps::deleteFile(path));
}

TEST(FileOps, RenameNeverReplacesAndDeleteSkipsDirectories)
{
    QTemporaryDir dir;
    const auto a = pathIn(dir, "a");
    const auto b = pathIn(dir, "b");
    put(a, "A");
    put(b, "B");
    EXPECT_FALSE(FileOps::renameNoReplace(a, b));
    EXPECT_EQ(FileOps::readAll(b), "B");
    ASSERT_TRUE(FileOps::deleteFile(b));
    EXPECT_TRUE(FileOps::renameNoReplace(a, b));
    EXPECT_EQ(FileOps::readAll(b), "A");
    EXPECT_EQ(FileOps::fileSize(b), 1);
    EXPECT_FALSE(FileOps::deleteFile(dir.path().toStdString()));
    EXPECT_FALSE(FileOps::fileSize(dir.path().toStdString()).has_value());
}
