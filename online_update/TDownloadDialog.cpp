#include "TDownloadDialog.h"

#include "Downloader.h"
#include "FileOps.h"
#include "MessageBoxes.h"
#include "PictureBox.h"
#include "TForm1.h"
#include "UpdateError.h"
#include "UpdateSteps.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWindow>

#include <chrono>

TDownloadDialog* DownloadDialog = nullptr;

namespace {

// A signature is 64 bytes and the version reply a digit or two; anything
// much longer is neither.
constexpr std::uint64_t kMaxSignatureBytes = 4096;
constexpr std::uint64_t kMaxReplyBytes = 64 * 1024;
constexpr int kProbyWyswietlenia = 100;
constexpr std::chrono::milliseconds kPrzerwaWyswietlenia{10};

QString localPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

TDownloadDialog::TDownloadDialog(QWidget* parent, UpdateServer serwer)
    : SkinnedDialog(parent, QStringLiteral("Pobieranie słownika"), QSize(306, 86), QStringLiteral("POBIERANIE NOWEGO SŁOWNIKA"), 48),
      serwer_(std::move(serwer)),
      podpisy_(serwer_.publicKeyHex),
      otworzStrone_([](const QUrl& url) { QDesktopServices::openUrl(url); }),
      zakonczProgram_([] { QCoreApplication::exit(0); })
{
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(8, 40, 193, 25);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setToolTip(QStringLiteral("Pasek postępu"));

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(232, 40, 65, 25);
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setText(QStringLiteral("Anuluj"));
    connect(SpeedButton1, &QToolButton::clicked, this, &TDownloadDialog::SpeedButton1Click);

    KtoryPlikLabel = new QLabel(QStringLiteral("1/2"), this);
    KtoryPlikLabel->setObjectName(QStringLiteral("KtoryPlikLabel"));
    KtoryPlikLabel->move(208, 44);
    KtoryPlikLabel->adjustSize();

    connect(TloRamka, &PictureBox::clicked, this, &TDownloadDialog::TloRamkaClick);
    DownloadDialog = this;
}

TDownloadDialog::~TDownloadDialog()
{
    if (DownloadDialog == this)
        DownloadDialog = nullptr;
}

void TDownloadDialog::setPageOpener(std::function<void(const QUrl&)> opener)
{
    otworzStrone_ = std::move(opener);
}

void TDownloadDialog::setProgramEnder(std::function<void()> ender)
{
    zakonczProgram_ = std::move(ender);
}

void TDownloadDialog::showEvent(QShowEvent* event)
{
    SkinnedDialog::showEvent(event);
    // Once per showing, queued behind the show.
    if (!aktywowanoPokaz_) {
        aktywowanoPokaz_ = true;
        QTimer::singleShot(0, this, [this] { aktywujGdyNaEkranie(kProbyWyswietlenia); });
    }
}

void TDownloadDialog::aktywujGdyNaEkranie(int proby)
{
    if (!isVisible())
        return;
    // The version check runs no events, so the dialog must have been drawn
    // before it starts; a window system that never exposes it gets a second.
    const QWindow* okno = windowHandle();
    if (okno && !okno->isExposed() && proby > 0) {
        QTimer::singleShot(kPrzerwaWyswietlenia, this, [this, proby] { aktywujGdyNaEkranie(proby - 1); });
        return;
    }
    FormActivate();
}

void TDownloadDialog::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        aktywowanoPokaz_ = false;
    SkinnedDialog::hideEvent(event);
}

void TDownloadDialog::closeEvent(QCloseEvent* event)
{
    if (trwaPobieranie_) {
        event->ignore();
        return;
    }
    SkinnedDialog::closeEvent(event);
}

void TDownloadDialog::FormActivate()
{
    if (!isVisible())
        return;
    if (!Pobierz()) {
        // The main window's closing steps must not run: nothing is saved.
        reject();
        zakonczProgram_();
    }
}

void TDownloadDialog::SpeedButton1Click()
{
    Anulowano = true;
    close();
}

void TDownloadDialog::TloRamkaClick()
{
    close();
}

void TDownloadDialog::zakonczPrzebieg()
{
    pobieranie_.reset();
    SpeedButton1->setText(QStringLiteral("ZAMKNIJ"));
}

bool TDownloadDialog::Pobierz()
{
    trwaPobieranie_ = true;
    struct KoniecPobierania {
        bool& trwa;
        ~KoniecPobierania() { trwa = false; }
    } koniec{trwaPobieranie_};

    const std::string katalog = Form1->KatalogProgramu;
    try {
        // 1. A run starts with the button and the bar as designed.
        pobieranie_ = std::make_unique<Downloader>();
        Anulowano = false;
        SpeedButton1->setText(QStringLiteral("Anuluj"));
        ProgressBar1->setRange(0, 100);
        ProgressBar1->setValue(0);
        // 2.
        KtoryPlikLabel->setText(QString());
        KtoryPlikLabel->adjustSize();
        // 3.
        const std::string rozmiarProgramu = RozmiarPliku(katalog + "slownik");
        const std::string rozmiarSlownika = RozmiarPliku(katalog + "slownik.txt");
        // 4. No progress handler: this request runs no events and cannot be cancelled.
        pobieranie_->download(serwer_.versionCheckUrl(rozmiarProgramu, rozmiarSlownika), katalog + "temp.tmp", {},
                              kMaxReplyBytes);
        // 5.
        if (SprawdzOdpowiedz(katalog + "temp.tmp") == OdpowiedzWersji::Aktualna) {
            MessageBoxes::show(BoxKind::Information, QStringLiteral("Posiadasz najnowszą wersję programu."), BoxOk);
            zakonczPrzebieg();
            return true;
        }
        // 6.
        KtoryPlikLabel->setText(QStringLiteral("1/2"));
        KtoryPlikLabel->adjustSize();
        pobierzPodpisany(serwer_.dictionaryUrl(), katalog + "slownik_nowy.txt", &looksLikeDictionary);
        // 7.
        ScalSlowniki(katalog + "slownik.txt", katalog + "slownik_nowy.txt");
        // 8.
        KtoryPlikLabel->setText(QStringLiteral("2/2"));
        KtoryPlikLabel->adjustSize();
        pobierzPodpisany(serwer_.programUrl(), katalog + "slownik_nowy", &looksLikeProgram);
        // 9.
        const BoxButton odpowiedz = MessageBoxes::show(
            BoxKind::Information,
            QStringLiteral("Pobrano i zainstalowano nową wersję programu.\r\nProgram musi zostać uruchomiony ponownie."),
            BoxOk);
        if (odpowiedz == BoxOk) {
            // Its connections closed first, so that the updater inherits no socket.
            pobieranie_.reset();
            // Whether the start worked is not looked at: the program ends either way.
            QProcess::startDetached(localPath(katalog + "update"), {}, localPath(katalog));
            return false;
        }
        zakonczPrzebieg();
        return true;
    } catch (const std::exception&) {
        // One box for every failure; what the steps before it wrote stays.
        const BoxButton odpowiedz = MessageBoxes::show(
            BoxKind::Confirm,
            QStringLiteral("Nie udało się automatycznie zaktualizować programu.\r\nCzy chcesz pobrać pliki ręcznie?"),
            BoxYes | BoxNo);
        if (odpowiedz == BoxYes)
            otworzStrone_(QUrl(QString::fromStdString(serwer_.manualDownloadUrl())));
        zakonczPrzebieg();
        return true;
    }
}

void TDownloadDialog::pobierzPodpisany(const std::string& url, const std::string& plik,
                                       bool (*wyglada)(const std::string&))
{
    pobieranie_->download(url, plik, [this](Downloader& sender, std::uint32_t postep, std::uint32_t rozmiar, bool& anuluj) {
        PostepPobierania(sender, postep, rozmiar, anuluj);
    });
    try {
        const std::string podpis = pobieranie_->fetch(UpdateServer::signatureUrlOf(url), kMaxSignatureBytes);
        if (!podpisy_.verifyFile(plik, podpis))
            throw UpdateError("The signature of " + url + " does not match");
        if (!wyglada(plik))
            throw UpdateError(url + " is not the kind of file its name says");
    } catch (...) {
        // An unverified download must not stay where the next step would use it.
        (void)FileOps::deleteFile(plik);
        throw;
    }
}

void TDownloadDialog::ScalSlowniki(const std::string& slownik, const std::string& pobrany)
{
    ::ScalSlowniki(slownik, pobrany);
}

std::string TDownloadDialog::RozmiarPliku(const std::string& sciezka) const
{
    return ::RozmiarPliku(sciezka);
}

void TDownloadDialog::PostepPobierania(Downloader&, std::uint32_t Postep, std::uint32_t Rozmiar, bool& Anuluj)
{
    ProgressBar1->setMaximum(static_cast<int>(Rozmiar));
    ProgressBar1->setValue(static_cast<int>(Postep));
    // Clicks, the title drag and the strip's timer are served here during a download.
    QCoreApplication::processEvents();
    if (Anulowano)
        Anuluj = true;
}
