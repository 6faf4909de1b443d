#include "ApplicationPaths.h"
#include "FileOps.h"
#include "MessageBoxes.h"
#include "PictureBox.h"
#include "PlikKonfiguracji.h"
#include "TForm1.h"
#include "TPaintBox.h"
#include "Timer.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>

#include <cstdlib>
#include <sys/stat.h>

namespace {

const std::string kData = SLOWNIK_TEST_DATA;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit().constData(), 1);
        // An empty dictionary loads without a word.
        FileOps::writeAtomically(dir() + "slownik.txt", "");
        MessageBoxes::setResponder([this](const BoxRecord& box) {
            boxes_.push_back(box);
            return BoxOk;
        });
    }
    void TearDown() override { MessageBoxes::setResponder({}); }

    [[nodiscard]] std::string dir() const { return app_.path().toStdString() + "/"; }
    [[nodiscard]] std::string konfig() const { return dir() + "konfig.cfg"; }
    [[nodiscard]] std::string autostart() const
    {
        return config_.path().toStdString() + "/autostart/Orlenta Vandra.desktop";
    }
    void putKonfig(const TUstawienia& u) const { ASSERT_TRUE(PlikKonfiguracji::Zapisz(konfig(), u)); }
    [[nodiscard]] TUstawienia savedKonfig() const
    {
        TUstawienia u;
        EXPECT_TRUE(PlikKonfiguracji::Wczytaj(konfig(), u));
        return u;
    }

    QTemporaryDir config_;
    QTemporaryDir app_;
    std::vector<BoxRecord> boxes_;
};

TUstawienia stored(int width)
{
    TUstawienia u;
    u.Piksele = 1;
    u.Interwal = 50;
    u.Lewo = 10;
    u.Gora = 20;
    u.Szerokosc = width;
    u.Kategoria = "dom";
    u.AutoStart = 0;
    return u;
}

} // namespace

struct LayoutRow {
    int width;
    int prawe;
    int tlo;
    int srodek;
};

class LayoutRows : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(LayoutRows, PiecesFollowTheWidth)
{
    QTemporaryDir app;
    QTemporaryDir config;
    ::setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    FileOps::writeAtomically(app.path().toStdString() + "/slownik.txt", "");
    TForm1 form(app.path().toStdString() + "/");
    form.show();
    form.resize(GetParam().width, TForm1::Wysokosc);
    const auto& r = GetParam();
    EXPECT_EQ(form.SkorkaPrawe->x(), r.prawe);
    EXPECT_EQ(form.SkorkaZamknij->x(), r.prawe);
    EXPECT_EQ(form.SkorkaTlo->width(), r.tlo);
    EXPECT_EQ(form.SkorkaSrodek->x(), r.srodek);
    EXPECT_EQ(form.PaintBox1->width(), r.tlo);
    EXPECT_EQ(form.PaintBox1->geometry(), QRect(16, 21, r.tlo, 17));
    EXPECT_EQ(form.SkorkaLewe->geometry(), QRect(1, 16, 21, 35));
    EXPECT_EQ(form.SkorkaMinim->geometry(), QRect(1, 1, 21, 15));
}

INSTANTIATE_TEST_SUITE_P(TForm1, LayoutRows,
                         ::testing::Values(LayoutRow{446, 424, 402, 177}, LayoutRow{350, 328, 306, 129},
                                           LayoutRow{140, 118, 96, 24}),
                         [](const auto& info) { return "width" + std::to_string(info.param.width); });

TEST_F(MainWindowTest, FirstRunAppliesTheDefaultsAndCreatesTheAutostartEntry)
{
    TForm1 form(dir());
    const auto& u = form.Ustawienia;
    EXPECT_EQ(u.Piksele, 2);
    EXPECT_EQ(u.Interwal, 120);
    EXPECT_EQ(u.Lewo, 200);
    EXPECT_EQ(u.Gora, 200);
    EXPECT_EQ(u.Szerokosc, 350);
    EXPECT_EQ(u.Kategoria.str(), "*wszystkie");
    EXPECT_TRUE(u.autoStart());
    EXPECT_EQ(form.pos(), QPoint(200, 200));
    EXPECT_EQ(form.size(), QSize(350, 52));
    EXPECT_EQ(form.PaintBox1->width(), 306);
    // The first entry enters from beyond the paint box's right edge.
    EXPECT_EQ(form.PozycjaX, 402);
    EXPECT_EQ(form.Timer1->interval(), 120);
    EXPECT_TRUE(form.Timer1->running());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Orlenta Vandra "));
    EXPECT_EQ(FileOps::readAll(autostart()).find("Exec=\"" + ApplicationPaths::executablePath() + "\"\n") !=
                  std::string::npos,
              true);
    EXPECT_FALSE(FileOps::fileSize(konfig()).has_value());
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(MainWindowTest, EmptySettingsFileLeavesEverythingZeroWithoutDefaults)
{
    FileOps::writeAtomically(konfig(), "");
    TForm1 form(dir());
    EXPECT_EQ(form.Ustawienia.obraz(), TUstawienia::Obraz{});
    EXPECT_FALSE(FileOps::fileSize(autostart()).has_value());
    EXPECT_EQ(form.width(), TForm1::MinimalnaSzerokosc);
    EXPECT_EQ(form.PaintBox1->width(), 96);
    EXPECT_FALSE(form.Timer1->running());
}

TEST_F(MainWindowTest, RememberedPlaceAndWidthAreApplied)
{
    putKonfig(stored(500));
    TForm1 form(dir());
    EXPECT_EQ(form.geometry(), QRect(10, 20, 500, 52));
    EXPECT_EQ(form.Timer1->interval(), 50);
    EXPECT_EQ(form.PozycjaX, 402);
}

TEST_F(MainWindowTest, PopupMenuHoldsItsItemsInOrder)
{
    TForm1 form(dir());
    QStringList items;
    for (QAction* a : form.PopupMenu1->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text()) + u'|' + a->objectName();
    EXPECT_EQ(items, (QStringList{QStringLiteral("Edytuj słownik|Edytujsownik1"), QStringLiteral("Konfiguracja|Konfiguracja1"),
                                  QStringLiteral("Konfiguracja domyślna|Przywrkonfiguracjdomyln1"),
                                  QStringLiteral("-|N1"), QStringLiteral("Aktualizuj program|Pobierzsownik1"),
                                  QStringLiteral("-|N2"), QStringLiteral("Wyjdź|Wyjd1"), QStringLiteral("-|N3"),
                                  QStringLiteral("O programie|Oprogramie1")}));
}

TEST_F(MainWindowTest, ClosingByTheMenuOrTheCloseButtonSavesPlaceAndWidth)
{
    for (const bool byMenu : {true, false}) {
        putKonfig(stored(400));
        TForm1 form(dir());
        form.show();
        form.move(300, 250);
        form.resize(512, TForm1::Wysokosc);
        if (byMenu)
            form.Wyjd1->trigger();
        else
            form.SkorkaZamknijClick();
        EXPECT_FALSE(form.Timer1->running());
        const TUstawienia u = savedKonfig();
        EXPECT_EQ(u.Lewo, form.x());
        EXPECT_EQ(u.Gora, form.y());
        EXPECT_EQ(u.Szerokosc, 512);
        EXPECT_EQ(u.Piksele, 1);
        EXPECT_EQ(u.Kategoria.str(), "dom");
    }
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(MainWindowTest, RestoringTheDefaultsSuppressesTheSaveAtClosing)
{
    putKonfig(stored(400));
    TForm1 form(dir());
    form.show();
    form.Przywrkonfiguracjdomyln1->trigger();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].kind, BoxKind::Information);
    EXPECT_EQ(boxes_[0].text, QStringLiteral("Przywrócono konfigurację domyślną.\r\nProszę uruchomić program ponownie."));
    EXPECT_EQ(boxes_[0].buttons, BoxOk);
    EXPECT_FALSE(FileOps::fileSize(konfig()).has_value());
    // The record in memory is untouched.
    EXPECT_EQ(form.Ustawienia.Szerokosc, 400);
    form.close();
    EXPECT_FALSE(FileOps::fileSize(konfig()).has_value());
}

TEST_F(MainWindowTest, SettingsSavedAfterARestoreAreNotOverwrittenAtClosing)
{
    putKonfig(stored(400));
    TForm1 form(dir());
    form.show();
    form.Przywrkonfiguracjdomyln1->trigger();
    form.Ustawienia.Piksele = 5;
    form.ZapiszKonfiguracje(false);
    form.move(600, 600);
    form.close();
    const TUstawienia u = savedKonfig();
    EXPECT_EQ(u.Piksele, 5);
    EXPECT_EQ(u.Lewo, 10);
}

TEST_F(MainWindowTest, RestoreWithoutASettingsFileShowsTheErrorAndChangesNothing)
{
    TForm1 form(dir());
    form.show();
    form.Przywrkonfiguracjdomyln1Click();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].kind, BoxKind::Error);
    EXPECT_EQ(boxes_[0].text, QStringLiteral("Nie udało się przywrócić konfiguracji domyślnej.\r\n"
                                             "Proszę ręcznie skasować plik \"konfig.cfg\"."));
    form.close();
    EXPECT_TRUE(FileOps::fileSize(konfig()).has_value());
}

TEST_F(MainWindowTest, ReadOnlySettingsFileFailsLoudlyOnlyWhenAsked)
{
    putKonfig(stored(400));
    ::chmod(konfig().c_str(), 0444);
    TForm1 form(dir());
    EXPECT_EQ(form.Ustawienia.Szerokosc, 400);
    form.ZapiszKonfiguracje(true);
    EXPECT_TRUE(boxes_.empty());
    form.ZapiszKonfiguracje(false);
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].kind, BoxKind::Error);
    EXPECT_EQ(boxes_[0].text, QStringLiteral("Nie udało się zapisać ustawień. Plik może być tylko-do-odczytu."));
}

TEST_F(MainWindowTest, RemovingAMissingAutostartEntryWarns)
{
    putKonfig(stored(400));
    TForm1 form(dir());
    form.UsunZAutoStartu();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].kind, BoxKind::Warning);
    EXPECT_EQ(boxes_[0].text, QStringLiteral("Nie udało się usunąć program z Autostartu"));
    form.WstawDoAutostartu();
    form.WstawDoAutostartu();
    form.UsunZAutoStartu();
    EXPECT_EQ(boxes_.size(), 1u);
}
