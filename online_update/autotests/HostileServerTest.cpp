// The update dialog against servers that misbehave: each ends in the failure
// box within the download's limits, installs and merges nothing it should
// not, and leaves the program responsive. The time to the failure box is
// recorded for every case (ms_to_failure_box).
#include "TDownloadDialog.h"

#include "FileOps.h"
#include "HostileHttpServer.h"
#include "MessageBoxes.h"
#include "PlikKonfiguracji.h"
#include "TForm1.h"
#include "TestSigner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <fstream>
#include <sys/stat.h>

namespace {

using namespace std::chrono_literals;
using Behaviour = HostileHttpServer::Behaviour;

const QString kFailed =
    QStringLiteral("Nie udało się automatycznie zaktualizować programu.\r\nCzy chcesz pobrać pliki ręcznie?");
const std::string kOldDictionary = "\"house\";\"dom\";\"a\"\r\n";
const std::string kNewDictionary = "\"cat\";\"kot\";\"b\"\r\n";
const std::string kMergedDictionary = kOldDictionary + kNewDictionary;
const std::string kHtmlPage =
    "<!DOCTYPE html>\n<html><head><title>503 Service Unavailable</title></head>\n"
    "<body><h1>Service Unavailable</h1><p>Please try again later.</p></body></html>\n";
// A generous bound, there only so that a hang fails the test instead of stalling the run.
constexpr int kHangGuardMs = 120000;

std::string programBytes()
{
    std::string bytes("\x7f" "ELF\x02\x01\x01", 7);
    for (int i = 0; i < 100000; ++i)
        bytes += static_cast<char>(i % 251);
    return bytes;
}

// Which request the server spoils; Everything stands for a portal that
// answers every request with its own page.
enum class Stage { Check, Dictionary, DictionarySignature, Program, ProgramSignature, Everything };

std::string pathOf(Stage stage)
{
    switch (stage) {
    case Stage::Check:
        return "/vandra/sprawdz.php";
    case Stage::Dictionary:
        return "/vandra/slownik.txt";
    case Stage::DictionarySignature:
        return "/vandra/slownik.txt.sig";
    case Stage::Program:
        return "/vandra/slownik.exe";
    case Stage::ProgramSignature:
        return "/vandra/slownik.exe.sig";
    case Stage::Everything:
        break;
    }
    return {};
}

class HostileServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(path("config")));
        write("slownik.txt", kOldDictionary);
        write("slownik", std::string(1234, 'p'));
        write("update", "#!/bin/sh\ntouch update_started\n");
        ASSERT_EQ(::chmod(path("update").c_str(), 0755), 0);
        TUstawienia ustawienia;
        ustawienia.Piksele = 2;
        ustawienia.Interwal = 120;
        ustawienia.Szerokosc = 350;
        ustawienia.Kategoria = "*wszystkie";
        ASSERT_TRUE(PlikKonfiguracji::Zapisz(path("konfig.cfg"), ustawienia));

        // A healthy server of a newer version; each case spoils one request.
        server.route("/vandra/sprawdz.php", {.body = "1"});
        server.route("/vandra/slownik.txt", {.body = kNewDictionary});
        server.route("/vandra/slownik.txt.sig", {.body = signer.sign(kNewDictionary)});
        server.route("/vandra/slownik.exe", {.body = program});
        server.route("/vandra/slownik.exe.sig", {.body = signer.sign(program)});

        form = std::make_unique<TForm1>(dir.path().toStdString() + "/");
        dialog = new TDownloadDialog(form.get(), UpdateServer{server.host(), signer.publicKeyHex()});
        dialog->setPageOpener([this](const QUrl& url) { opened.push_back(url); });
        dialog->setProgramEnder([this] { ++programEnded; });

        // Stands for the strip's timer: it fires whenever window events run.
        ticker.setInterval(20);
        QObject::connect(&ticker, &QTimer::timeout, [this] {
            const qint64 now = clock.elapsed();
            if (failureBoxAtMs < 0) {
                longestGapMs = std::max(longestGapMs, now - lastTickMs);
                ++ticksDuringRun;
            }
            lastTickMs = now;
        });
        MessageBoxes::setResponder([this](const BoxRecord& box) {
            boxes.push_back(box);
            if (failureBoxAtMs < 0) {
                failureBoxAtMs = clock.elapsed();
                longestGapMs = std::max(longestGapMs, failureBoxAtMs - lastTickMs);
            }
            // The dialog stays open with "ZAMKNIJ" and closes on a click.
            QTimer::singleShot(0, dialog, [this] {
                buttonAfterRun = dialog->SpeedButton1->text();
                QTest::mouseClick(dialog->SpeedButton1, Qt::LeftButton, {}, QPoint(10, 10));
            });
            return BoxNo;
        });
        QTimer::singleShot(kHangGuardMs, dialog, [this] {
            ADD_FAILURE() << "the dialog was still open after " << kHangGuardMs << " ms";
            dialog->done(0);
        });
    }

    void TearDown() override
    {
        MessageBoxes::setResponder({});
        form.reset();
    }

    std::string path(const std::string& name) const { return dir.path().toStdString() + "/" + name; }
    bool exists(const std::string& name) const { return std::filesystem::exists(path(name)); }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const { return FileOps::readAll(path(name)); }

    // Shows the dialog until it is closed; the clock starts with the showing.
    void run()
    {
        clock.start();
        lastTickMs = 0;
        ticker.start();
        dialog->Pokaz();
        ::testing::Test::RecordProperty("ms_to_failure_box", static_cast<int>(failureBoxAtMs));
        ::testing::Test::RecordProperty("longest_ms_without_events", static_cast<int>(longestGapMs));
    }

    // The failure box came, once, and the dialog could be closed after it;
    // no page was opened, nothing handed over, nothing half-received left.
    void expectFailureAndCleanDirectory(const std::string& dictionary)
    {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, kFailed);
        EXPECT_EQ(boxes[0].kind, BoxKind::Confirm);
        EXPECT_EQ(buttonAfterRun, QStringLiteral("ZAMKNIJ"));
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(opened.empty());
        EXPECT_EQ(programEnded, 0);
        EXPECT_EQ(read("slownik.txt"), dictionary);
        EXPECT_EQ(read("slownik"), std::string(1234, 'p'));
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const QString& name : left)
            EXPECT_TRUE(QStringList({"konfig.cfg", "slownik", "slownik.txt", "temp.tmp", "update"}).contains(name))
                << name.toStdString() << " was left behind";
        // The updater would have been started at once; give a wrong start a moment to show.
        QTest::qWait(200);
        EXPECT_FALSE(exists("update_started"));
        // Still responsive: the timer goes on firing once the dialog is gone.
        const qint64 ticksBefore = lastTickMs;
        EXPECT_TRUE(QTest::qWaitFor([&] { return lastTickMs > ticksBefore; }, 5000));
    }

    QTemporaryDir dir;
    HostileHttpServer server;
    TestSigner signer;
    const std::string program = programBytes();
    std::unique_ptr<TForm1> form;
    TDownloadDialog* dialog = nullptr;
    std::vector<BoxRecord> boxes;
    std::vector<QUrl> opened;
    QString buttonAfterRun;
    int programEnded = 0;
    QTimer ticker;
    QElapsedTimer clock;
    qint64 failureBoxAtMs = -1;
    qint64 lastTickMs = 0;
    qint64 longestGapMs = 0;
    int ticksDuringRun = 0;
};

struct HostileRow {
    const char* name;
    Stage stage;
    Behaviour behaviour;
    int status = 200;
    std::string body{};
    std::vector<std::string> headers{};
};

void PrintTo(const HostileRow& row, std::ostream* os)
{
    *os << row.name;
}

class HostileServers : public HostileServerTest, public ::testing::WithParamInterface<HostileRow> {};

TEST_P(HostileServers, EndInTheFailureBoxWithNothingInstalled)
{
    const HostileRow& row = GetParam();
    const HostileHttpServer::Route spoilt{row.behaviour, row.status, row.body, row.headers};
    if (row.stage == Stage::Everything) {
        for (const Stage stage : {Stage::Check, Stage::Dictionary, Stage::DictionarySignature, Stage::Program,
                                  Stage::ProgramSignature})
            server.route(pathOf(stage), spoilt);
    } else {
        server.route(pathOf(row.stage), spoilt);
        // An error page in place of a file comes in place of its signature too.
        if (row.body == kHtmlPage)
            server.route(pathOf(row.stage) + ".sig", spoilt);
    }
    run();
    const bool afterTheMerge = row.stage == Stage::Program || row.stage == Stage::ProgramSignature;
    expectFailureAndCleanDirectory(afterTheMerge ? kMergedDictionary : kOldDictionary);
    if (afterTheMerge)
        EXPECT_GE(server.countOf("/vandra/slownik.exe"), 1);
    else
        EXPECT_EQ(server.countOf("/vandra/slownik.exe"), 0);
    // During the file downloads the dialog serves window events while it waits.
    const bool stalls = row.behaviour == Behaviour::NeverAnswer || row.behaviour == Behaviour::HeadersThenStall;
    if (stalls && (row.stage == Stage::Dictionary || row.stage == Stage::Program)) {
        EXPECT_GT(ticksDuringRun, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HostileServers,
    ::testing::Values(
        HostileRow{"checkNeverAnswers", Stage::Check, Behaviour::NeverAnswer},
        HostileRow{"checkStallsAfterItsHeaders", Stage::Check, Behaviour::HeadersThenStall},
        HostileRow{"checkBodyShorterThanItsLength", Stage::Check, Behaviour::ShortBody, 200, "1"},
        HostileRow{"checkEndlessBody", Stage::Check, Behaviour::EndlessBody},
        HostileRow{"checkRedirectsInALoop", Stage::Check, Behaviour::Answer, 302, "", {"Location: /vandra/sprawdz.php"}},
        HostileRow{"everythingAnHtmlErrorPage", Stage::Everything, Behaviour::Answer, 200, kHtmlPage},
        HostileRow{"dictionaryNeverAnswers", Stage::Dictionary, Behaviour::NeverAnswer},
        HostileRow{"dictionaryBodyShorterThanItsLength", Stage::Dictionary, Behaviour::ShortBody, 200, kNewDictionary},
        HostileRow{"dictionaryEndlessBody", Stage::Dictionary, Behaviour::EndlessBody},
        HostileRow{"dictionaryRedirectsInALoop", Stage::Dictionary, Behaviour::Answer, 302, "", {"Location: /vandra/slownik.txt"}},
        HostileRow{"dictionaryAnHtmlErrorPage", Stage::Dictionary, Behaviour::Answer, 200, kHtmlPage},
        HostileRow{"dictionarySignatureNeverAnswers", Stage::DictionarySignature, Behaviour::NeverAnswer},
        HostileRow{"dictionarySignatureEndless", Stage::DictionarySignature, Behaviour::EndlessBody},
        HostileRow{"programStallsAfterItsHeaders", Stage::Program, Behaviour::HeadersThenStall, 200, "\x7f" "ELF"},
        HostileRow{"programBodyShorterThanItsLength", Stage::Program, Behaviour::ShortBody, 200, programBytes()},
        HostileRow{"programEndlessBody", Stage::Program, Behaviour::EndlessBody},
        HostileRow{"programRedirectsInALoop", Stage::Program, Behaviour::Answer, 302, "", {"Location: /vandra/slownik.exe"}},
        HostileRow{"programAnHtmlErrorPage", Stage::Program, Behaviour::Answer, 200, kHtmlPage},
        HostileRow{"programSignatureStallsAfterItsHeaders", Stage::ProgramSignature, Behaviour::HeadersThenStall}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostileServerTest, CancelDuringAStalledDownloadEndsItAtOnce)
{
    server.route("/vandra/slownik.txt", {.behaviour = Behaviour::HeadersThenStall, .body = "\"c"});
    qint64 clickedAtMs = -1;
    QTimer user;
    user.setInterval(20);
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (clickedAtMs < 0 && server.countOf("/vandra/slownik.txt") == 1) {
            clickedAtMs = clock.elapsed();
            QTest::mouseClick(dialog->SpeedButton1, Qt::LeftButton, {}, QPoint(10, 10));
        }
    });
    user.start();
    run();
    ASSERT_GE(clickedAtMs, 0);
    ::testing::Test::RecordProperty("ms_from_cancel_to_failure_box", static_cast<int>(failureBoxAtMs - clickedAtMs));
    expectFailureAndCleanDirectory(kOldDictionary);
}

struct SwapRow {
    const char* name;
    bool programServedAsDictionary;
};

void PrintTo(const SwapRow& row, std::ostream* os)
{
    *os << row.name;
}

class SwappedSignedFiles : public HostileServerTest, public ::testing::WithParamInterface<SwapRow> {};

// Each signature covers only its file's bytes, so someone on the path can
// serve one signed file in place of the other.
TEST_P(SwappedSignedFiles, AreRefusedBeforeUse)
{
    if (GetParam().programServedAsDictionary) {
        server.route("/vandra/slownik.txt", {.body = program});
        server.route("/vandra/slownik.txt.sig", {.body = signer.sign(program)});
    } else {
        server.route("/vandra/slownik.exe", {.body = kNewDictionary});
        server.route("/vandra/slownik.exe.sig", {.body = signer.sign(kNewDictionary)});
    }
    run();
    expectFailureAndCleanDirectory(GetParam().programServedAsDictionary ? kOldDictionary : kMergedDictionary);
}

INSTANTIATE_TEST_SUITE_P(Rows, SwappedSignedFiles,
                         ::testing::Values(SwapRow{"programServedAsTheDictionary", true},
                                           SwapRow{"dictionaryServedAsTheProgram", false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
