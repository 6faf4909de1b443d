// Saves interrupted by a kill or by a full disk leave the old or the new
// file, never a mix and never nothing.
#include "FileOps.h"
#include "PlikKonfiguracji.h"
#include "PlikSlownika.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kKills = 100;

// Runs the save in a child that is killed after a random pause, kKills
// times; each time the file must hold exactly the old or the new bytes.
void killDuringSaves(const std::string& path, const std::string& oldBytes, const std::string& newBytes,
                     const std::function<void()>& save, int maxPauseMicros)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> pause(0, maxPauseMicros);
    int sawOld = 0;
    int sawNew = 0;
    for (int i = 0; i < kKills; ++i) {
        FileOps::writeAtomically(path, oldBytes);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                save();
        }
        ::usleep(static_cast<useconds_t>(pause(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = FileOps::readAll(path);
        ASSERT_TRUE(now == oldBytes || now == newBytes) << "kill " << i << " left " << now.size() << " bytes";
        (now == oldBytes ? sawOld : sawNew) += 1;
    }
    ::testing::Test::RecordProperty("killed_before_the_rename", sawOld);
    ::testing::Test::RecordProperty("killed_after_the_rename", sawNew);
}

// Runs the save in a child whose writes fail with EFBIG beyond a few bytes.
bool saveWithFullDisk(const std::function<bool()>& save)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(save() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string image(const TUstawienia& u)
{
    const auto bytes = u.obraz();
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::vector<std::string> manyLines(char letter)
{
    return std::vector<std::string>(10000, std::string("\"") + letter + "\";\"polski\";\"kategoria\"");
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

} // namespace

TEST(SaveFaults, KilledSettingsSaveLeavesOldOrNewRecord)
{
    QTemporaryDir dir;
    const auto path = dir.filePath(QStringLiteral("konfig.cfg")).toStdString();
    TUstawienia before;
    before.Piksele = 2;
    TUstawienia after = before;
    after.Piksele = 7;
    after.Kategoria = "jedzenie";
    killDuringSaves(path, image(before), image(after), [&] { (void)PlikKonfiguracji::Zapisz(path, after); }, 3000);
}

TEST(SaveFaults, KilledDictionarySaveLeavesOldOrNewFile)
{
    QTemporaryDir dir;
    const auto path = dir.filePath(QStringLiteral("slownik.txt")).toStdString();
    const auto newLines = manyLines('b');
    killDuringSaves(path, joined(manyLines('a')), joined(newLines), [&] { ZapiszLinie(path, newLines); }, 150000);
}

TEST(SaveFaults, FullDiskKeepsTheOldSettingsAndDictionary)
{
    QTemporaryDir dir;
    const auto konfig = dir.filePath(QStringLiteral("konfig.cfg")).toStdString();
    TUstawienia before;
    before.Piksele = 2;
    FileOps::writeAtomically(konfig, image(before));
    TUstawienia after;
    after.Piksele = 9;
    EXPECT_FALSE(saveWithFullDisk([&] { return PlikKonfiguracji::Zapisz(konfig, after); }));
    EXPECT_EQ(FileOps::readAll(konfig), image(before));

    const auto slownik = dir.filePath(QStringLiteral("slownik.txt")).toStdString();
    FileOps::writeAtomically(slownik, "\"a\";\"b\";\"c\"\r\n");
    EXPECT_FALSE(saveWithFullDisk([&] {
        try {
            ZapiszLinie(slownik, manyLines('z'));
            return true;
        } catch (const std::exception& error) {
            return std::string(error.what()) != "Stream write error";
        }
    }));
    EXPECT_EQ(FileOps::readAll(slownik), "\"a\";\"b\";\"c\"\r\n");
}
