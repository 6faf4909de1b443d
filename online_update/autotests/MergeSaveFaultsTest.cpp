// The update's merge interrupted by a kill or by a full disk: slownik.txt
// always holds the old or the merged lines, never a mix and never nothing,
// and the downloaded dictionary is gone only once it has been merged.
#include "FileOps.h"
#include "MessageBoxes.h"
#include "PlikKonfiguracji.h"
#include "PlikSlownika.h"
#include "TDownloadDialog.h"
#include "TForm1.h"
#include "TestHttpServer.h"
#include "TestSigner.h"
#include "UpdateSteps.h"

#include <QDir>
#include <QElapsedTimer>
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

std::string dictionary(const char* english, int from, int to)
{
    std::string out;
    for (int i = from; i < to; ++i)
        out += ZlozLinie(english + std::to_string(i), "polski tekst \xB3\xF3" "d\x9F", "kategoria") + "\r\n";
    return out;
}

// Removes and counts what a killed write left beside the files.
int removeLeftovers(const QString& dir, const QStringList& keep)
{
    return removeFilesExcept(dir, keep);
}

TEST(MergeSaveFaults, KilledMergeLeavesTheOldOrTheMergedDictionary)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string txt = dir.filePath(QStringLiteral("slownik.txt")).toStdString();
    const std::string nowy = dir.filePath(QStringLiteral("slownik_nowy.txt")).toStdString();
    // Half of the downloaded lines are known already.
    const std::string oldBytes = dictionary("word ", 0, 6000);
    const std::string downloaded = dictionary("word ", 3000, 9000);
    const std::string mergedBytes = dictionary("word ", 0, 9000);

    FileOps::writeAtomically(txt, oldBytes);
    FileOps::writeAtomically(nowy, downloaded);
    const int mergeMicros = microsecondsInAChild([&] { ScalSlowniki(txt, nowy); });
    ASSERT_EQ(FileOps::readAll(txt), mergedBytes);
    std::mt19937 random(4711);
    std::uniform_int_distribution<int> pause(0, 2 * mergeMicros);

    int sawOld = 0, sawMerged = 0, mergedNotDeleted = 0, leftovers = 0;
    for (int i = 0; i < kKills; ++i) {
        FileOps::writeAtomically(txt, oldBytes);
        FileOps::writeAtomically(nowy, downloaded);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ScalSlowniki(txt, nowy);
            for (;;)
                ::pause();
        }
        ::usleep(static_cast<useconds_t>(pause(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const std::string now = FileOps::readAll(txt);
        ASSERT_TRUE(now == oldBytes || now == mergedBytes) << "kill " << i << " left " << now.size() << " bytes";
        const bool downloadLeft = FileOps::fileSize(nowy).has_value();
        if (downloadLeft) {
            ASSERT_EQ(FileOps::readAll(nowy), downloaded) << "kill " << i;
        } else {
            ASSERT_EQ(now, mergedBytes) << "kill " << i << ": the download went before it was merged";
        }
        (now == oldBytes ? sawOld : sawMerged) += 1;
        mergedNotDeleted += downloadLeft && now == mergedBytes ? 1 : 0;
        leftovers += removeLeftovers(dir.path(), {"slownik.txt", "slownik_nowy.txt"});
    }
    ::testing::Test::RecordProperty("merge_microseconds", mergeMicros);
    ::testing::Test::RecordProperty("killed_before_the_rename", sawOld);
    ::testing::Test::RecordProperty("killed_after_the_rename", sawMerged);
    ::testing::Test::RecordProperty("killed_between_the_rename_and_the_delete", mergedNotDeleted);
    ::testing::Test::RecordProperty("temporary_files_left_by_kills", leftovers);
}

// The merge's write fails on a full disk: the failure box, the old
// dictionary intact, the download kept, the program not fetched.
TEST(MergeSaveFaults, FullDiskEndsInTheFailureBoxWithTheOldDictionary)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string katalog = dir.path().toStdString() + "/";
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(katalog + "config"));
    const std::string oldBytes = dictionary("word ", 0, 200);
    const std::string downloaded = dictionary("word ", 190, 210);
    FileOps::writeAtomically(katalog + "slownik.txt", oldBytes);
    FileOps::writeAtomically(katalog + "slownik", std::string(1234, 'p'));
    TUstawienia ustawienia;
    ustawienia.Interwal = 120;
    ustawienia.Szerokosc = 350;
    ustawienia.Kategoria = "*wszystkie";
    ASSERT_TRUE(PlikKonfiguracji::Zapisz(katalog + "konfig.cfg", ustawienia));

    TestHttpServer server;
    TestSigner signer;
    const std::string program = std::string("\x7f" "ELF", 4) + std::string(5000, 'x');
    server.route("/vandra/sprawdz.php", {.body = "1"});
    server.route("/vandra/slownik.txt", {.body = downloaded});
    server.route("/vandra/slownik.txt.sig", {.body = signer.sign(downloaded)});
    server.route("/vandra/slownik.exe", {.body = program});
    server.route("/vandra/slownik.exe.sig", {.body = signer.sign(program)});

    std::vector<BoxRecord> boxes;
    MessageBoxes::setResponder([&](const BoxRecord& box) {
        boxes.push_back(box);
        return BoxNo;
    });
    TForm1 form(katalog);
    TDownloadDialog dialog(&form, UpdateServer{server.host(), signer.publicKeyHex()});
    dialog.setPageOpener([](const QUrl&) { ADD_FAILURE() << "no page is opened on No"; });
    dialog.setProgramEnder([] { ADD_FAILURE() << "the program goes on"; });
    {
        // The download fits; the merged dictionary, longer than the old one, does not.
        const FullDisk full(oldBytes.size());
        ASSERT_TRUE(full.ok());
        EXPECT_TRUE(dialog.Pobierz());
    }
    MessageBoxes::setResponder({});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, BoxKind::Confirm);
    EXPECT_EQ(boxes[0].text,
              QStringLiteral("Nie udało się automatycznie zaktualizować programu.\r\nCzy chcesz pobrać pliki ręcznie?"));
    EXPECT_EQ(FileOps::readAll(katalog + "slownik.txt"), oldBytes);
    EXPECT_EQ(FileOps::readAll(katalog + "slownik_nowy.txt"), downloaded);
    EXPECT_EQ(server.countOf("/vandra/slownik.exe"), 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"konfig.cfg", "slownik", "slownik.txt", "slownik_nowy.txt", "temp.tmp"}));
}

} // namespace
