// The editor's save interrupted by a kill or by a full disk: slownik.txt
// always holds the old or the new content, never a mix and never nothing,
// and the backup is whole or absent.
#include "DictionarySaver.h"
#include "FileOps.h"
#include "MessageBoxes.h"
#include "PlikSlownika.h"
#include "TEdytorDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "FullDisk.h"
#include "SaveFaults.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kKills = 100;

std::vector<std::string> lines(const char* english, int count)
{
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i)
        out.push_back(ZlozLinie(english + std::to_string(i), "polski tekst \xB3\xF3" "d\x9F", "kategoria"));
    return out;
}

std::string joined(const std::vector<std::string>& linie)
{
    std::string out;
    for (const std::string& linia : linie)
        out += linia + "\r\n";
    return out;
}

// Files of the directory other than the two the save is about: what a
// killed save left half-written.
int removeLeftovers(const QString& dir)
{
    return removeFilesExcept(dir, {QStringLiteral("slownik.txt"), QStringLiteral("slownik.bak")});
}

TEST(EditorSaveFaults, KilledSaveLeavesTheOldOrTheNewDictionaryAndAWholeBackup)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string txt = dir.filePath(QStringLiteral("slownik.txt")).toStdString();
    const std::string bak = dir.filePath(QStringLiteral("slownik.bak")).toStdString();
    const std::string oldBytes = joined(lines("old ", 20000));
    const std::vector<std::string> newLines = lines("new ", 20000);
    const std::string newBytes = joined(newLines);

    // Pauses from nothing to twice the time of one save in a child land
    // kills both during the first save and after it, whatever the machine's speed.
    FileOps::writeAtomically(txt, oldBytes);
    const int saveMicros = microsecondsInAChild([&] { DictionarySaver::save(txt, bak, newLines); });
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> pause(0, 2 * saveMicros);

    int sawOld = 0, sawNew = 0, backups = 0, leftovers = 0;
    for (int i = 0; i < kKills; ++i) {
        (void)FileOps::deleteFile(bak);
        FileOps::writeAtomically(txt, oldBytes);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                DictionarySaver::save(txt, bak, newLines);
        }
        ::usleep(static_cast<useconds_t>(pause(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const std::string now = FileOps::readAll(txt);
        ASSERT_TRUE(now == oldBytes || now == newBytes) << "kill " << i << " left " << now.size() << " bytes";
        const bool backedUp = FileOps::fileSize(bak).has_value();
        if (backedUp) {
            ASSERT_EQ(FileOps::readAll(bak), oldBytes) << "kill " << i << " left a partial backup";
        }
        // The old content is kept as the backup before the new one replaces it.
        if (now == newBytes) {
            ASSERT_TRUE(backedUp) << "kill " << i;
        }
        (now == oldBytes ? sawOld : sawNew) += 1;
        backups += backedUp ? 1 : 0;
        leftovers += removeLeftovers(dir.path());
    }
    ::testing::Test::RecordProperty("save_microseconds", saveMicros);
    ::testing::Test::RecordProperty("killed_before_the_rename", sawOld);
    ::testing::Test::RecordProperty("killed_after_the_rename", sawNew);
    ::testing::Test::RecordProperty("backups_made", backups);
    ::testing::Test::RecordProperty("temporary_files_left_by_kills", leftovers);
}

// "Zapisz" on a full disk: the error reaches the default error report with
// its text, the old dictionary stays, and nothing half-written is left.
TEST(EditorSaveFaults, FullDiskReportsTheErrorAndKeepsTheOldDictionary)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string katalog = dir.path().toStdString() + "/";
    const std::string oldBytes = joined(lines("old ", 200));
    FileOps::writeAtomically(katalog + "slownik.txt", oldBytes);
    for (const bool withBackup : {false, true}) {
        if (withBackup)
            FileOps::writeAtomically(katalog + "slownik.bak", "backup\r\n");
        std::vector<BoxRecord> boxes;
        MessageBoxes::setResponder([&](const BoxRecord& box) {
            boxes.push_back(box);
            return BoxOk;
        });
        TEdytorDialog editor(nullptr, katalog);
        {
            // Room for a few lines only; the old file is larger than that, so not even the backup fits.
            const FullDisk full(4096);
            ASSERT_TRUE(full.ok());
            editor.Button2->click();
        }
        MessageBoxes::setResponder({});
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].kind, BoxKind::Error);
        EXPECT_EQ(boxes[0].title, QCoreApplication::applicationName());
        EXPECT_EQ(boxes[0].text, QStringLiteral("Stream write error."));
        EXPECT_EQ(FileOps::readAll(katalog + "slownik.txt"), oldBytes);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                  withBackup ? QStringList({"slownik.bak", "slownik.txt"}) : QStringList({"slownik.txt"}));
        if (withBackup) {
            EXPECT_EQ(FileOps::readAll(katalog + "slownik.bak"), "backup\r\n");
        }
    }
}

} // namespace
