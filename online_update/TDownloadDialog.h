#pragma once

#include "BuiltInUpdateServer.h"
#include "SignatureVerifier.h"
#include "SkinnedDialog.h"
#include "UpdateServer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class Downloader;
class QLabel;
class QProgressBar;
class QToolButton;
class QUrl;

// The online update: as soon as a showing is on screen, asks the update
// server whether a newer version exists, downloads and verifies the new
// dictionary and merges it into slownik.txt, downloads and verifies the new
// program as slownik_nowy, then starts `update` and ends the program. Every
// failure ends in one box offering the manual download page. Requests to
// close the dialog are dropped while the update runs.
class TDownloadDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    // Tests name their own server; the program uses the one it was built for.
    explicit TDownloadDialog(QWidget* parent, UpdateServer serwer = BuiltInUpdateServer::get());
    ~TDownloadDialog() override;

    QProgressBar* ProgressBar1;
    QToolButton* SpeedButton1;
    QLabel* KtoryPlikLabel;

    void FormActivate();
    void SpeedButton1Click();
    void TloRamkaClick();
    // True: the program goes on; false: `update` has been started and the program must end.
    bool Pobierz();
    void ScalSlowniki(const std::string& slownik, const std::string& pobrany);
    [[nodiscard]] std::string RozmiarPliku(const std::string& sciezka) const;
    void PostepPobierania(Downloader& Sender, std::uint32_t Postep, std::uint32_t Rozmiar, bool& Anuluj);

    // How the manual download page is opened and how the program is ended;
    // tests put recorders here (never a real browser, never the real exit).
    void setPageOpener(std::function<void(const QUrl&)> opener);
    void setProgramEnder(std::function<void()> ender);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void aktywujGdyNaEkranie(int proby);
    void pobierzPodpisany(const std::string& url, const std::string& plik, bool (*wyglada)(const std::string&));
    void zakonczPrzebieg();

    bool Anulowano = false;
    UpdateServer serwer_;
    SignatureVerifier podpisy_;
    std::unique_ptr<Downloader> pobieranie_;
    bool trwaPobieranie_ = false;
    bool aktywowanoPokaz_ = false;
    std::function<void(const QUrl&)> otworzStrone_;
    std::function<void()> zakonczProgram_;
};

extern TDownloadDialog* DownloadDialog;
