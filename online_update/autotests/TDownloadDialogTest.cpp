#include "TDownloadDialog.h"

#include "FileOps.h"
#include "MessageBoxes.h"
#include "PictureBox.h"
#include "PlikKonfiguracji.h"
#include "TForm1.h"
#include "TestHttpServer.h"
#include "TestSigner.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWindow>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

const QString kUpToDate = QStringLiteral("Posiadasz najnowszą wersję programu.");
const QString kInstalled =
    QStringLiteral("Pobrano i zainstalowano nową wersję programu.\r\nProgram musi zostać uruchomiony ponownie.");
const QString kFailed =
    QStringLiteral("Nie udało się automatycznie zaktualizować programu.\r\nCzy chcesz pobrać pliki ręcznie?");

const std::string kOldDictionary = "\"house\";\"dom\";\"a\"\r\n\"frog\";\"\xBF" "aba\";\"b\"\r\n";
// Two lines known in another letter case (one by a Polish capital), one new
// line given twice, one new line without a final line break.
const std::string kNewDictionary =
    "\"HOUSE\";\"DOM\";\"A\"\r\n\"cat\";\"kot\";\"b\"\n\"cat\";\"kot\";\"b\"\r\n\"FROG\";\"\xAF" "ABA\";\"B\"\r\n"
    "\"boat\";\"\xB3\xF3" "d\x9F\";\"c\"";
const std::string kMergedDictionary = kOldDictionary + "\"cat\";\"kot\";\"b\"\r\n\"boat\";\"\xB3\xF3" "d\x9F\";\"c\"\r\n";

std::string programBytes()
{
    std::string bytes("\x7f" "ELF new program", 16);
    for (int i = 0; i < 150000; ++i)
        bytes += static_cast<char>(i % 251);
    return bytes;
}

enum class Outcome { UpToDate, Installed, Failed };

class DownloadDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(path("config")));
        write("slownik.txt", kOldDictionary);
        write("slownik", std::string(1234, 'p'));
        // Stands in for the updater: tells which directory it was started in.
        write("update", "#!/bin/sh\npwd > update_started.part && mv update_started.part update_started\n");
        ASSERT_EQ(::chmod(path("update").c_str(), 0755), 0);
        TUstawienia ustawienia;
        ustawienia.Piksele = 2;
        ustawienia.Interwal = 120;
        ustawienia.Lewo = 200;
        ustawienia.Gora = 200;
        ustawienia.Szerokosc = 350;
        ustawienia.Kategoria = "*wszystkie";
        ASSERT_TRUE(PlikKonfiguracji::Zapisz(path("konfig.cfg"), ustawienia));
        konfig = FileOps::readAll(path("konfig.cfg"));

        form = std::make_unique<TForm1>(dir.path().toStdString() + "/");
        dialog = new TDownloadDialog(form.get(), UpdateServer{server.host(), signer.publicKeyHex()});
        dialog->setPageOpener([this](const QUrl& url) { opened.push_back(url); });
        dialog->setProgramEnder([this] { ++programEnded; });
        MessageBoxes::setResponder([this](const BoxRecord& box) {
            boxes.push_back(box);
            return answer(box);
        });
        // A showing that hangs is a failure, not a stuck test run.
        QTimer::singleShot(60000, dialog, [this] {
            ADD_FAILURE() << "the dialog was still open after a minute";
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

    // The server of a newer version, each file with its signature.
    void publishNewer(const std::string& reply = "1")
    {
        server.route("/vandra/sprawdz.php", {.body = reply});
        server.route("/vandra/slownik.txt", {.body = kNewDictionary});
        server.route("/vandra/slownik.txt.sig", {.body = signer.sign(kNewDictionary)});
        server.route("/vandra/slownik.exe", {.body = program});
        server.route("/vandra/slownik.exe.sig", {.body = signer.sign(program)});
    }

    std::vector<QString> texts() const
    {
        std::vector<QString> out;
        for (const auto& box : boxes)
            out.push_back(box.text);
        return out;
    }

    Outcome outcome() const
    {
        EXPECT_EQ(boxes.size(), 1u);
        if (boxes.empty())
            return Outcome::Failed;
        const BoxRecord& box = boxes.back();
        if (box.text == kUpToDate) {
            EXPECT_EQ(box.kind, BoxKind::Information);
            EXPECT_EQ(box.buttons, BoxOk);
            return Outcome::UpToDate;
        }
        if (box.text == kInstalled) {
            EXPECT_EQ(box.kind, BoxKind::Information);
            EXPECT_EQ(box.buttons, BoxOk);
            return Outcome::Installed;
        }
        EXPECT_EQ(box.text, kFailed);
        EXPECT_EQ(box.kind, BoxKind::Confirm);
        EXPECT_EQ(box.buttons, BoxYes | BoxNo);
        return Outcome::Failed;
    }

    std::string checkRequest() const
    {
        return "/vandra/sprawdz.php?exe=1234&txt=" + std::to_string(kOldDictionary.size());
    }

    // Clicks a widget once the current handler has returned to the dialog's loop.
    void clickLater(QWidget* widget)
    {
        QTimer::singleShot(0, widget, [widget] { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(10, 10)); });
    }

    bool updateStarted(std::chrono::milliseconds within) const
    {
        const auto end = std::chrono::steady_clock::now() + within;
        while (std::chrono::steady_clock::now() < end) {
            if (exists("update_started"))
                return true;
            std::this_thread::sleep_for(20ms);
        }
        return exists("update_started");
    }

    QTemporaryDir dir;
    TestHttpServer server;
    TestSigner signer;
    const std::string program = programBytes();
    std::string konfig;
    std::unique_ptr<TForm1> form;
    TDownloadDialog* dialog = nullptr;
    std::vector<BoxRecord> boxes;
    std::vector<QUrl> opened;
    int programEnded = 0;
    std::function<BoxButton(const BoxRecord&)> answer = [](const BoxRecord& box) {
        // The last box is closed by default, so that nothing is handed over.
        if (box.text == kUpToDate)
            return BoxOk;
        if (box.text == kInstalled)
            return BoxCancel;
        return BoxNo;
    };
};

TEST_F(DownloadDialogTest, LayoutAsDesigned)
{
    EXPECT_EQ(dialog->size(), QSize(306, 86));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Pobieranie słownika"));
    EXPECT_EQ(dialog->NazwaOkna->text(), QStringLiteral("POBIERANIE NOWEGO SŁOWNIKA"));
    EXPECT_EQ(dialog->NazwaOkna->pos(), QPoint(48, 2));
    EXPECT_EQ(dialog->TloRamka->geometry(), QRect(0, 0, 306, 86));
    EXPECT_EQ(dialog->Image1->geometry(), QRect(1, 1, 304, 33));
    EXPECT_EQ(dialog->SpeedButton1->geometry(), QRect(232, 40, 65, 25));
    EXPECT_EQ(dialog->SpeedButton1->text(), QStringLiteral("Anuluj"));
    EXPECT_TRUE(dialog->SpeedButton1->autoRaise());
    EXPECT_EQ(dialog->KtoryPlikLabel->text(), QStringLiteral("1/2"));
    EXPECT_EQ(dialog->KtoryPlikLabel->pos(), QPoint(208, 44));
    EXPECT_EQ(dialog->ProgressBar1->geometry(), QRect(8, 40, 193, 25));
    EXPECT_EQ(dialog->ProgressBar1->minimum(), 0);
    EXPECT_EQ(dialog->ProgressBar1->toolTip(), QStringLiteral("Pasek postępu"));
    // The title lies over the title picture, and both over the frame.
    const QList<QObject*> order = dialog->children();
    EXPECT_LT(order.indexOf(dialog->TloRamka), order.indexOf(dialog->Image1));
    EXPECT_LT(order.indexOf(dialog->Image1), order.indexOf(dialog->NazwaOkna));
}

struct ReplyRow {
    const char* name;
    std::string reply;
    Outcome expected;
};

class VersionReplies : public DownloadDialogTest, public ::testing::WithParamInterface<ReplyRow> {};

TEST_P(VersionReplies, DecideWhetherBothFilesAreFetched)
{
    publishNewer(GetParam().reply);
    EXPECT_TRUE(dialog->Pobierz());
    const Outcome result = outcome();
    EXPECT_EQ(result, GetParam().expected);
    EXPECT_EQ(read("temp.tmp"), GetParam().reply);
    EXPECT_EQ(dialog->SpeedButton1->text(), QStringLiteral("ZAMKNIJ"));
    EXPECT_EQ(programEnded, 0);
    EXPECT_FALSE(exists("slownik_nowy.txt"));
    if (result == Outcome::Installed) {
        EXPECT_EQ(server.requests(), (std::vector<std::string>{checkRequest(), "/vandra/slownik.txt",
                                                               "/vandra/slownik.txt.sig", "/vandra/slownik.exe",
                                                               "/vandra/slownik.exe.sig"}));
        EXPECT_EQ(read("slownik.txt"), kMergedDictionary);
        EXPECT_EQ(read("slownik_nowy"), program);
        EXPECT_EQ(dialog->KtoryPlikLabel->text(), QStringLiteral("2/2"));
        EXPECT_EQ(dialog->ProgressBar1->maximum(), static_cast<int>(program.size()));
        EXPECT_EQ(dialog->ProgressBar1->value(), static_cast<int>(program.size()));
    } else {
        EXPECT_EQ(server.requests(), std::vector<std::string>{checkRequest()});
        EXPECT_EQ(read("slownik.txt"), kOldDictionary);
        EXPECT_FALSE(exists("slownik_nowy"));
        EXPECT_EQ(dialog->KtoryPlikLabel->text(), QString());
    }
    EXPECT_FALSE(updateStarted(0ms));
}

INSTANTIATE_TEST_SUITE_P(Rows, VersionReplies,
                         ::testing::Values(ReplyRow{"zero", "0", Outcome::UpToDate},
                                           ReplyRow{"zeroFollowed", "0abc", Outcome::UpToDate},
                                           ReplyRow{"one", "1", Outcome::Installed},
                                           ReplyRow{"blank", " ", Outcome::Installed},
                                           ReplyRow{"byteOrderMark", "\xEF\xBB\xBF" "0", Outcome::Installed},
                                           ReplyRow{"emptyFirstLine", "\r\n0", Outcome::Installed},
                                           ReplyRow{"empty", "", Outcome::Failed}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DownloadDialogTest, MissingFilesAreSentAsEmptySizes)
{
    std::filesystem::remove(path("slownik"));
    server.route("/vandra/sprawdz.php", {.body = "0"});
    EXPECT_TRUE(dialog->Pobierz());
    EXPECT_EQ(texts(), std::vector<QString>{kUpToDate});
    EXPECT_EQ(server.requests(), std::vector<std::string>{"/vandra/sprawdz.php?exe=&txt=" + std::to_string(kOldDictionary.size())});
}

struct FailureRow {
    const char* name;
    std::string path;
    bool refused;
    std::size_t requestsServed;
};

class FailingRequests : public DownloadDialogTest, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(FailingRequests, EndInTheFailureBox)
{
    publishNewer();
    const std::string failing = GetParam().path;
    if (!GetParam().refused) {
        server.route(failing, {.status = 404, .body = "<html>Not Found</html>"});
    } else if (failing == "/vandra/sprawdz.php") {
        server.stopListening();
    } else {
        // The request before it is the last one the server accepts.
        const std::string before = failing == "/vandra/slownik.txt" ? "/vandra/sprawdz.php" : "/vandra/slownik.txt.sig";
        const std::string body = before == "/vandra/sprawdz.php" ? "1" : signer.sign(kNewDictionary);
        server.route(before, {.body = body, .refuseLater = true});
    }
    EXPECT_TRUE(dialog->Pobierz());
    EXPECT_EQ(outcome(), Outcome::Failed);
    EXPECT_EQ(dialog->SpeedButton1->text(), QStringLiteral("ZAMKNIJ"));
    // The dictionary is merged once its download is through, and stays so.
    EXPECT_EQ(read("slownik.txt"), failing == "/vandra/slownik.exe" ? kMergedDictionary : kOldDictionary);
    EXPECT_FALSE(exists("slownik_nowy.txt"));
    EXPECT_FALSE(exists("slownik_nowy"));
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(server.requests().size(), GetParam().requestsServed);
}

INSTANTIATE_TEST_SUITE_P(Rows, FailingRequests,
                         ::testing::Values(FailureRow{"checkNotFound", "/vandra/sprawdz.php", false, 1},
                                           FailureRow{"dictionaryNotFound", "/vandra/slownik.txt", false, 2},
                                           FailureRow{"programNotFound", "/vandra/slownik.exe", false, 4},
                                           FailureRow{"checkRefused", "/vandra/sprawdz.php", true, 0},
                                           FailureRow{"dictionaryRefused", "/vandra/slownik.txt", true, 1},
                                           FailureRow{"programRefused", "/vandra/slownik.exe", true, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SignatureRow {
    const char* name;
    bool dictionary;
    enum { Missing, ForeignKey, TamperedFile } fault;
};

class BadSignatures : public DownloadDialogTest, public ::testing::WithParamInterface<SignatureRow> {};

TEST_P(BadSignatures, StopTheUpdateBeforeTheFileIsUsed)
{
    publishNewer();
    const std::string file = GetParam().dictionary ? "/vandra/slownik.txt" : "/vandra/slownik.exe";
    const std::string body = GetParam().dictionary ? kNewDictionary : program;
    switch (GetParam().fault) {
    case SignatureRow::Missing:
        server.route(file + ".sig", {.status = 404});
        break;
    case SignatureRow::ForeignKey:
        server.route(file + ".sig", {.body = TestSigner().sign(body)});
        break;
    case SignatureRow::TamperedFile:
        server.route(file, {.body = body + "\r\n\"evil\";\"evil\";\"x\""});
        break;
    }
    EXPECT_TRUE(dialog->Pobierz());
    EXPECT_EQ(outcome(), Outcome::Failed);
    EXPECT_FALSE(exists("slownik_nowy.txt"));
    EXPECT_FALSE(exists("slownik_nowy"));
    if (GetParam().dictionary) {
        EXPECT_EQ(read("slownik.txt"), kOldDictionary);
        EXPECT_EQ(server.countOf("/vandra/slownik.exe"), 0);
    } else {
        // The dictionary carried a good signature and was merged before.
        EXPECT_EQ(read("slownik.txt"), kMergedDictionary);
    }
    EXPECT_FALSE(updateStarted(0ms));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadSignatures,
    ::testing::Values(SignatureRow{"dictionaryMissing", true, SignatureRow::Missing},
                      SignatureRow{"dictionaryForeignKey", true, SignatureRow::ForeignKey},
                      SignatureRow{"dictionaryTampered", true, SignatureRow::TamperedFile},
                      SignatureRow{"programMissing", false, SignatureRow::Missing},
                      SignatureRow{"programForeignKey", false, SignatureRow::ForeignKey},
                      SignatureRow{"programTampered", false, SignatureRow::TamperedFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DownloadDialogTest, WithoutAConfiguredKeyEveryUpdateFails)
{
    publishNewer();
    for (const std::string& key : {std::string(), BuiltInUpdateServer::get().publicKeyHex}) {
        if (SignatureVerifier(key).hasKey())
            continue;
        boxes.clear();
        TDownloadDialog unconfigured(form.get(), UpdateServer{server.host(), key});
        EXPECT_TRUE(unconfigured.Pobierz());
        EXPECT_EQ(outcome(), Outcome::Failed);
        EXPECT_EQ(read("slownik.txt"), kOldDictionary);
        EXPECT_FALSE(exists("slownik_nowy.txt"));
        EXPECT_FALSE(exists("slownik_nowy"));
    }
}

struct AnswerRow {
    const char* name;
    BoxButton answer;
    bool pageOpened;
};

class FailureBoxAnswers : public DownloadDialogTest, public ::testing::WithParamInterface<AnswerRow> {};

TEST_P(FailureBoxAnswers, OnlyYesOpensTheManualDownloadPage)
{
    server.route("/vandra/sprawdz.php", {.body = ""});
    answer = [](const BoxRecord&) { return GetParam().answer; };
    EXPECT_TRUE(dialog->Pobierz());
    EXPECT_EQ(outcome(), Outcome::Failed);
    if (GetParam().pageOpened)
        EXPECT_EQ(opened, std::vector<QUrl>{QUrl(QString::fromStdString("http://" + server.host() + "/vandra/"))});
    else
        EXPECT_TRUE(opened.empty());
    EXPECT_EQ(dialog->SpeedButton1->text(), QStringLiteral("ZAMKNIJ"));
    EXPECT_EQ(server.countOf("/vandra/slownik.txt"), 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, FailureBoxAnswers,
                         ::testing::Values(AnswerRow{"yes", BoxYes, true}, AnswerRow{"no", BoxNo, false},
                                           AnswerRow{"closed", BoxCancel, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DownloadDialogTest, OkOnTheLastBoxStartsTheUpdaterAndEndsTheProgram)
{
    publishNewer();
    answer = [](const BoxRecord&) { return BoxOk; };
    dialog->Pokaz();
    EXPECT_EQ(texts(), std::vector<QString>{kInstalled});
    EXPECT_EQ(programEnded, 1);
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_TRUE(updateStarted(10s));
    EXPECT_EQ(read("update_started"), dir.path().toStdString() + "\n");
    EXPECT_EQ(read("slownik_nowy"), program);
    EXPECT_EQ(read("slownik.txt"), kMergedDictionary);
    EXPECT_EQ(read("konfig.cfg"), konfig);
    EXPECT_EQ(dialog->SpeedButton1->text(), QStringLiteral("Anuluj"));
}

TEST_F(DownloadDialogTest, ClosingTheLastBoxLeavesTheNewProgramUnused)
{
    publishNewer();
    QString buttonAfterRun;
    answer = [&](const BoxRecord&) {
        EXPECT_TRUE(dialog->isVisible());
        QTimer::singleShot(0, dialog, [&] {
            buttonAfterRun = dialog->SpeedButton1->text();
            clickLater(dialog->SpeedButton1);
        });
        return BoxCancel;
    };
    dialog->Pokaz();
    EXPECT_EQ(texts(), std::vector<QString>{kInstalled});
    EXPECT_EQ(buttonAfterRun, QStringLiteral("ZAMKNIJ"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(programEnded, 0);
    EXPECT_EQ(read("slownik_nowy"), program);
    EXPECT_EQ(read("slownik.txt"), kMergedDictionary);
    EXPECT_FALSE(updateStarted(500ms));
}

TEST_F(DownloadDialogTest, CancelDuringTheVersionCheckAbortsTheDictionaryAtItsFirstReport)
{
    publishNewer();
    server.route("/vandra/sprawdz.php", {.body = "1", .onRequest = [this] {
                                             QMetaObject::invokeMethod(dialog->SpeedButton1, "click", Qt::QueuedConnection);
                                         }});
    server.route("/vandra/slownik.txt", {.body = kNewDictionary, .chunkBytes = 16, .chunkPause = 30ms});
    bool visibleAtFailure = false;
    int barAtFailure = -1;
    answer = [&](const BoxRecord&) {
        visibleAtFailure = dialog->isVisible();
        barAtFailure = dialog->ProgressBar1->value();
        clickLater(dialog->SpeedButton1);
        return BoxNo;
    };
    dialog->Pokaz();
    EXPECT_EQ(outcome(), Outcome::Failed);
    EXPECT_TRUE(visibleAtFailure);
    EXPECT_EQ(barAtFailure, 0);
    EXPECT_EQ(server.countOf("/vandra/slownik.exe"), 0);
    EXPECT_EQ(read("slownik.txt"), kOldDictionary);
    EXPECT_FALSE(exists("slownik_nowy.txt"));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(DownloadDialogTest, CancelDuringTheVersionCheckOfAnUpToDateProgramHasNoEffect)
{
    publishNewer("0");
    server.route("/vandra/sprawdz.php", {.body = "0", .onRequest = [this] {
                                             QMetaObject::invokeMethod(dialog->SpeedButton1, "click", Qt::QueuedConnection);
                                         }});
    dialog->Pokaz();
    EXPECT_EQ(texts(), std::vector<QString>{kUpToDate});
    EXPECT_EQ(server.requests(), std::vector<std::string>{checkRequest()});
    EXPECT_EQ(programEnded, 0);
}

TEST_F(DownloadDialogTest, CloseRequestsAreDroppedWhileTheUpdateRuns)
{
    publishNewer();
    bool triedToClose = false;
    bool visibleAfterTries = false;
    QString labelAtDictionary, labelAtProgram;
    server.route("/vandra/slownik.txt", {.body = kNewDictionary, .chunkBytes = 32, .chunkPause = 20ms, .onRequest = [&] {
                                             QMetaObject::invokeMethod(
                                                 dialog,
                                                 [&] {
                                                     labelAtDictionary = dialog->KtoryPlikLabel->text();
                                                     QTest::mouseClick(dialog->TloRamka, Qt::LeftButton, {}, QPoint(150, 80));
                                                     // As the window manager's close command arrives.
                                                     QCloseEvent close;
                                                     QCoreApplication::sendEvent(dialog->windowHandle(), &close);
                                                     triedToClose = true;
                                                     visibleAfterTries = dialog->isVisible();
                                                 },
                                                 Qt::QueuedConnection);
                                         }});
    server.route("/vandra/slownik.exe", {.body = program, .chunkBytes = 50000, .chunkPause = 20ms, .onRequest = [&] {
                                             QMetaObject::invokeMethod(
                                                 dialog, [&] { labelAtProgram = dialog->KtoryPlikLabel->text(); },
                                                 Qt::QueuedConnection);
                                         }});
    answer = [&](const BoxRecord&) {
        EXPECT_TRUE(triedToClose);
        EXPECT_TRUE(dialog->isVisible());
        // Once the run is over, a click on the background closes the dialog.
        clickLater(dialog->TloRamka);
        return BoxCancel;
    };
    dialog->Pokaz();
    EXPECT_EQ(texts(), std::vector<QString>{kInstalled});
    EXPECT_TRUE(visibleAfterTries);
    EXPECT_EQ(labelAtDictionary, QStringLiteral("1/2"));
    EXPECT_EQ(labelAtProgram, QStringLiteral("2/2"));
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(DownloadDialogTest, RunsOncePerShowing)
{
    server.route("/vandra/sprawdz.php", {.body = "0"});
    QWidget other;
    answer = [&](const BoxRecord&) {
        QTimer::singleShot(0, dialog, [&] {
            // Going to another window and back does not start another run.
            other.show();
            other.activateWindow();
            QCoreApplication::processEvents();
            dialog->activateWindow();
            QCoreApplication::processEvents();
            clickLater(dialog->SpeedButton1);
        });
        return BoxOk;
    };
    dialog->Pokaz();
    EXPECT_EQ(server.countOf("/vandra/sprawdz.php"), 1);
    dialog->Pokaz();
    EXPECT_EQ(server.countOf("/vandra/sprawdz.php"), 2);
    EXPECT_EQ(texts(), (std::vector<QString>{kUpToDate, kUpToDate}));
}

} // namespace
