#pragma once

#include "StanSlow.h"
#include "TUstawienia.h"

#include <QWidget>

#include <string>

class PictureBox;
class QAction;
class QMenu;
class TPaintBox;
class Timer;

// The main window: the borderless, always-on-top strip with its skin, the
// ticker's paint box and timer, and the popup menu. It owns the state the
// dialogs share (settings, word list, program directory); they reach it
// through the global Form1.
class TForm1 final : public QWidget, public StanSlow {
    Q_OBJECT
public:
    // The program directory is the executable's; tests may name another.
    explicit TForm1(const std::string& katalog = {});
    ~TForm1() override;

    TUstawienia Ustawienia;
    std::string KatalogProgramu;

    PictureBox* SkorkaLewe;
    PictureBox* SkorkaTlo;
    PictureBox* SkorkaSrodek;
    PictureBox* SkorkaPrawe;
    TPaintBox* PaintBox1;
    PictureBox* SkorkaMinim;
    PictureBox* SkorkaZamknij;
    PictureBox* SpacjaImg;
    Timer* Timer1;
    QMenu* PopupMenu1;
    QAction* Edytujsownik1;
    QAction* Konfiguracja1;
    QAction* Przywrkonfiguracjdomyln1;
    QAction* N1;
    QAction* Pobierzsownik1;
    QAction* N2;
    QAction* Wyjd1;
    QAction* N3;
    QAction* Oprogramie1;

    void WczytajKonfiguracje();
    void ZapiszKonfiguracje(bool Cicho);
    void WstawDoAutostartu();
    void UsunZAutoStartu();
    void WczytajSlownik(const std::string& plik);
    void WyswietlSlowa();

    // Whether a restore of the default settings succeeded in this run.
    [[nodiscard]] bool przywroconoDomyslne() const { return przywroconoDomyslne_; }

    static constexpr int MinimalnaSzerokosc = 140;
    static constexpr int Wysokosc = 52;

    void FormMouseDown(Qt::MouseButton Button);
    void SkorkaPraweMouseDown(Qt::MouseButton Button);
    void SkorkaMinimClick();
    void SkorkaZamknijClick();
    void Edytujsownik1Click();
    void Konfiguracja1Click();
    void Przywrkonfiguracjdomyln1Click();
    void Pobierzsownik1Click();
    void Wyjd1Click();
    void Oprogramie1Click();
    void Timer1Timer();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate(const std::string& katalog);
    void FormResize();
    void FormClose();
    void utworzSkorke();
    void utworzMenu();

    bool przywroconoDomyslne_ = false;
};

extern TForm1* Form1;
