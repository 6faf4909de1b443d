#include "TForm1.h"

#include "AppFonts.h"
#include "Application.h"
#include "ApplicationPaths.h"
#include "AutostartEntry.h"
#include "FileOps.h"
#include "KeyedPicture.h"
#include "KlatkaTickera.h"
#include "ListaSlow.h"
#include "MessageBoxes.h"
#include "PictureBox.h"
#include "PlikKonfiguracji.h"
#include "TPaintBox.h"
#include "Timer.h"

#include "TDownloadDialog.h"
#include "TEdytorDialog.h"
#include "TKonfigDialog.h"
#include "TOprogramieDialog.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>

TForm1* Form1 = nullptr;

namespace {

constexpr int kDesignWidth = 446;

PictureBox* skinPiece(QWidget* parent, const char* name, const QRect& place, bool stretched = false)
{
    auto* piece = new PictureBox(parent);
    piece->setObjectName(QString::fromLatin1(name));
    piece->setPicture(QImage(QStringLiteral(":/skin/%1.png").arg(QString::fromLatin1(name))));
    piece->setStretched(stretched);
    piece->setGeometry(place);
    return piece;
}

} // namespace

TForm1::TForm1(const std::string& katalog)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Orlenta Vandra"));
    setFont(AppFonts::windowFont());
    setMinimumWidth(MinimalnaSzerokosc);
    setFixedHeight(Wysokosc);
    utworzSkorke();
    utworzMenu();
    resize(kDesignWidth, Wysokosc);
    FormResize();
    Form1 = this;
    try {
        FormCreate(katalog);
    } catch (const std::exception& error) {
        // Later steps are skipped; the strip shows its skin without text.
        Application::reportError(QString::fromUtf8(error.what()));
    }
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::utworzSkorke()
{
    const int w = kDesignWidth;
    SkorkaLewe = skinPiece(this, "SkorkaLewe", QRect(1, 16, 21, 35));
    SkorkaTlo = skinPiece(this, "SkorkaTlo", QRect(22, 1, w - 44, 50), true);
    SkorkaSrodek = skinPiece(this, "SkorkaSrodek", QRect((w - 92) / 2, 1, 90, 50));
    SkorkaPrawe = skinPiece(this, "SkorkaPrawe", QRect(w - 22, 16, 21, 35));
    SkorkaPrawe->setCursor(Qt::SizeHorCursor);
    PaintBox1 = new TPaintBox(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(16, 21, w - 44, 17);
    SkorkaMinim = skinPiece(this, "SkorkaMinim", QRect(1, 1, 21, 15));
    SkorkaMinim->setCursor(Qt::PointingHandCursor);
    SkorkaZamknij = skinPiece(this, "SkorkaZamknij", QRect(w - 22, 1, 21, 15));
    SkorkaZamknij->setCursor(Qt::PointingHandCursor);
    SpacjaImg = new PictureBox(this);
    SpacjaImg->setObjectName(QStringLiteral("SpacjaImg"));
    SpacjaImg->setPicture(KeyedPicture::load(QStringLiteral(":/skin/SpacjaImg.png")));
    SpacjaImg->setGeometry(72, 8, 14, 13);
    SpacjaImg->hide();

    Timer1 = new Timer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(60);
    connect(Timer1, &Timer::timeout, this, &TForm1::Timer1Timer);

    for (PictureBox* handle : {SkorkaLewe, SkorkaTlo, SkorkaSrodek}) {
        connect(handle, &PictureBox::pressed, this, [this, handle](Qt::MouseButton button) {
            if (button == Qt::LeftButton)
                handle->beginWindowMove();
            FormMouseDown(button);
        });
    }
    connect(SkorkaPrawe, &PictureBox::pressed, this, [this](Qt::MouseButton button) { SkorkaPraweMouseDown(button); });
    connect(SkorkaMinim, &PictureBox::clicked, this, &TForm1::SkorkaMinimClick);
    connect(SkorkaZamknij, &PictureBox::clicked, this, &TForm1::SkorkaZamknijClick);
}

void TForm1::utworzMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto item = [this](const char* name, const QString& caption, void (TForm1::*handler)()) {
        QAction* action = PopupMenu1->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto separator = [this](const char* name) {
        QAction* action = PopupMenu1->addSeparator();
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    Edytujsownik1 = item("Edytujsownik1", QStringLiteral("Edytuj słownik"), &TForm1::Edytujsownik1Click);
    Konfiguracja1 = item("Konfiguracja1", QStringLiteral("Konfiguracja"), &TForm1::Konfiguracja1Click);
    Przywrkonfiguracjdomyln1 = item("Przywrkonfiguracjdomyln1", QStringLiteral("Konfiguracja domyślna"),
                                    &TForm1::Przywrkonfiguracjdomyln1Click);
    N1 = separator("N1");
    Pobierzsownik1 = item("Pobierzsownik1", QStringLiteral("Aktualizuj program"), &TForm1::Pobierzsownik1Click);
    N2 = separator("N2");
    Wyjd1 = item("Wyjd1", QStringLiteral("Wyjdź"), &TForm1::Wyjd1Click);
    N3 = separator("N3");
    Oprogramie1 = item("Oprogramie1", QStringLiteral("O programie"), &TForm1::Oprogramie1Click);
}

void TForm1::FormCreate(const std::string& katalog)
{
    // 1. The program directory.
    KatalogProgramu = katalog.empty() ? ApplicationPaths::applicationDirectory() : katalog;
    // 2. Qt widgets repaint double-buffered already.
    // 3. The paint box draws in the window's font; its retained surface starts empty.
    PaintBox1->setFont(font());
    // 4. The height of a text is the font's line height.
    PozycjaY = (PaintBox1->height() - QFontMetrics(PaintBox1->font()).height()) / 2;
    // 5. The window still has its design width here.
    PozycjaX = PaintBox1->width();
    // 6.
    WczytajKonfiguracje();
    // 7. The place is applied as it is, also off the visible screen.
    move(Ustawienia.Lewo, Ustawienia.Gora);
    resize(std::max(Ustawienia.Szerokosc, MinimalnaSzerokosc), Wysokosc);
    // A hidden window gets its resize event only when shown; lay out now.
    FormResize();
    // 8.
    Timer1->setInterval(Ustawienia.Interwal);
    // 9.
    WczytajSlownik(KatalogProgramu + "slownik.txt");
    // 10.
    Timer1->setEnabled(true);
    // 11. The caption differs from the application title by a trailing space.
    setWindowTitle(windowTitle() + u' ');
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TForm1::FormResize()
{
    const int w = width();
    SkorkaPrawe->move(w - SkorkaPrawe->width() - 1, SkorkaPrawe->y());
    SkorkaZamknij->move(SkorkaPrawe->x(), SkorkaZamknij->y());
    SkorkaTlo->resize(w - 2 * SkorkaPrawe->width() - 2, SkorkaTlo->height());
    SkorkaSrodek->move((w - (SkorkaSrodek->width() + 2)) / 2, SkorkaSrodek->y());
    PaintBox1->resize(SkorkaTlo->width(), PaintBox1->height());
}

void TForm1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
}

void TForm1::FormMouseDown(Qt::MouseButton)
{
    // The press handler has handed the window to the window system's move.
}

void TForm1::SkorkaPraweMouseDown(Qt::MouseButton Button)
{
    if (Button == Qt::LeftButton)
        SkorkaPrawe->beginWindowResizeRight(MinimalnaSzerokosc);
}

void TForm1::SkorkaMinimClick()
{
    showMinimized();
}

void TForm1::SkorkaZamknijClick()
{
    close();
}

void TForm1::Wyjd1Click()
{
    close();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event)
{
    PopupMenu1->popup(event->globalPos());
}

void TForm1::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TForm1::FormClose()
{
    Timer1->setEnabled(false);
    Ustawienia.Lewo = x();
    Ustawienia.Gora = y();
    Ustawienia.Szerokosc = width();
    if (!przywroconoDomyslne_)
        ZapiszKonfiguracje(true);
}

void TForm1::WczytajKonfiguracje()
{
    if (PlikKonfiguracji::Wczytaj(KatalogProgramu + "konfig.cfg", Ustawienia))
        return;
    Ustawienia.Piksele = 2;
    Ustawienia.Interwal = 120;
    Ustawienia.Lewo = 200;
    Ustawienia.Gora = 200;
    Ustawienia.Szerokosc = 350;
    Ustawienia.AutoStart = 1;
    WstawDoAutostartu();
    Ustawienia.Kategoria = "*wszystkie";
}

void TForm1::ZapiszKonfiguracje(bool Cicho)
{
    if (PlikKonfiguracji::Zapisz(KatalogProgramu + "konfig.cfg", Ustawienia) || Cicho)
        return;
    MessageBoxes::show(BoxKind::Error, QStringLiteral("Nie udało się zapisać ustawień. Plik może być tylko-do-odczytu."),
                       BoxOk);
}

void TForm1::WstawDoAutostartu()
{
    const std::string program = ApplicationPaths::executablePath();
    AutostartEntry::create(program, ApplicationPaths::directoryOf(program));
}

void TForm1::UsunZAutoStartu()
{
    if (!AutostartEntry::remove())
        MessageBoxes::show(BoxKind::Warning, QStringLiteral("Nie udało się usunąć program z Autostartu"), BoxOk);
}

void TForm1::Przywrkonfiguracjdomyln1Click()
{
    if (FileOps::deleteFile(KatalogProgramu + "konfig.cfg")) {
        przywroconoDomyslne_ = true;
        MessageBoxes::show(BoxKind::Information,
                           QStringLiteral("Przywrócono konfigurację domyślną.\r\nProszę uruchomić program ponownie."),
                           BoxOk);
    } else {
        MessageBoxes::show(
            BoxKind::Error,
            QStringLiteral("Nie udało się przywrócić konfiguracji domyślnej.\r\nProszę ręcznie skasować plik \"konfig.cfg\"."),
            BoxOk);
    }
}

void TForm1::WczytajSlownik(const std::string& plik)
{
    WczytajListeSlow(*this, plik, Ustawienia.Kategoria.view(), [] {
        MessageBoxes::show(BoxKind::Error, QStringLiteral("Nie udało się odczytać bazy danych."), BoxOk);
    });
}

void TForm1::WyswietlSlowa()
{
    PaintBox1->setSeparator(SpacjaImg->picture());
    RysujKlatke(*this, Ustawienia.Piksele, *PaintBox1);
    PaintBox1->update();
}

void TForm1::Timer1Timer()
{
    WyswietlSlowa();
}

void TForm1::Edytujsownik1Click()
{
    EdytorDialog->Pokaz();
}

void TForm1::Konfiguracja1Click()
{
    KonfigDialog->Pokaz();
}

void TForm1::Pobierzsownik1Click()
{
    DownloadDialog->Pokaz();
}

void TForm1::Oprogramie1Click()
{
    OprogramieDialog->Pokaz();
}
