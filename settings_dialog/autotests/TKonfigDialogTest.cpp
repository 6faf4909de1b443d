// The settings dialog on a real program directory: konfig.cfg and
// slownik.txt from the fixtures, the autostart entry under a temporary
// XDG_CONFIG_HOME, message boxes answered and recorded.
#include "TKonfigDialog.h"

#include "AppFonts.h"
#include "AutostartEntry.h"
#include "Cp1250.h"
#include "FileOps.h"
#include "MessageBoxes.h"
#include "PictureBox.h"
#include "PlikKonfiguracji.h"
#include "Spinner.h"
#include "TForm1.h"
#include "TPaintBox.h"
#include "Timer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

std::string cp(const char* utf8)
{
    return Cp1250::fromUnicodeOrDie(QString::fromUtf8(utf8));
}

const std::string kDluga = cp("Kategoria o bardzo długiej nazwie, dłuższej niż pięćdziesiąt znaków");

// The category list slownik.txt of the fixtures gives, and the box's order of it.
const std::vector<std::string> kKategoriePliku{cp("*wszystkie"), cp("zwierzęta"), kDluga,
                                               cp("Łąka"),       cp("Owoce"),     cp("dom")};
const std::vector<std::string> kPozycje{cp("*wszystkie"), cp("dom"),   kDluga,
                                        cp("Łąka"),       cp("Owoce"), cp("zwierzęta")};
// A list no load of the fixture produces: still in place after OK means no reload.
std::vector<std::string> wartownik()
{
    std::vector<std::string> k = kKategoriePliku;
    k.push_back("Wartownik");
    return k;
}

class KonfigDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        katalog_ = dir_.path().toStdString() + "/";
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(katalog_ + "config"));
        fs::copy_file(SLOWNIK_TEST_DATA "/slownik.txt", katalog_ + "slownik.txt");
        boxes_.clear();
        MessageBoxes::setResponder([this](const BoxRecord& box) {
            boxes_.push_back(box);
            if (onBox_)
                onBox_(box);
            return BoxOk;
        });
    }

    void TearDown() override
    {
        MessageBoxes::setResponder({});
        dialog_ = nullptr;
        form_.reset();
    }

    // konfig.cfg of the fixtures, changed as the test needs, then the program's windows.
    void start(const std::function<void(TUstawienia&)>& change = {})
    {
        TUstawienia u;
        u.wczytajObraz(FileOps::readAll(SLOWNIK_TEST_DATA "/konfig.cfg"));
        if (change)
            change(u);
        ASSERT_TRUE(PlikKonfiguracji::Zapisz(konfig(), u));
        form_ = std::make_unique<TForm1>(katalog_);
        // Shown, so that the strip's paint box has its surface.
        form_->show();
        dialog_ = new TKonfigDialog(form_.get());
        boxes_.clear();
    }

    std::string konfig() const { return katalog_ + "konfig.cfg"; }

    TUstawienia zapisane() const
    {
        TUstawienia u;
        u.wczytajObraz(FileOps::readAll(konfig()));
        return u;
    }

    // Marks the strip's retained surface, so a test can tell whether OK wiped it.
    void pomalujPasek()
    {
        form_->PaintBox1->surface().fill(Qt::red);
    }
    bool pasekWyczyszczony() const
    {
        const QImage& s = form_->PaintBox1->surface();
        EXPECT_FALSE(s.isNull());
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                if (qAlpha(s.pixel(x, y)) != 0)
                    return false;
        return true;
    }

    void otworz()
    {
        dialog_->show();
        ASSERT_TRUE(dialog_->isVisible());
    }
    void ok() { QTest::mouseClick(dialog_->SpeedButton2, Qt::LeftButton); }
    void wybierz(const std::string& kategoria)
    {
        const int i = dialog_->KategoriaCombo->findText(Cp1250::toUnicode(kategoria), Qt::MatchExactly);
        ASSERT_GE(i, 0);
        dialog_->KategoriaCombo->setCurrentIndex(i);
    }
    std::vector<std::string> pozycjeBoxu() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < dialog_->KategoriaCombo->count(); ++i)
            out.push_back(Cp1250::fromUnicodeOrDie(dialog_->KategoriaCombo->itemText(i)));
        return out;
    }

    QTemporaryDir dir_;
    std::string katalog_;
    std::unique_ptr<TForm1> form_;
    TKonfigDialog* dialog_ = nullptr;
    std::vector<BoxRecord> boxes_;
    std::function<void(const BoxRecord&)> onBox_;
};

TEST_F(KonfigDialogTest, ControlsSitAtTheirPlacesWithTheirTexts)
{
    start();
    struct Control {
        const char* name;
        QRect place;
    };
    const Control controls[] = {
        {"TloRamka", {0, 0, 306, 314}},      {"Image1", {1, 1, 304, 33}},
        {"Image2", {0, 272, 306, 41}},       {"SpeedButton1", {232, 290, 65, 21}},
        {"SpeedButton2", {160, 290, 65, 21}}, {"GroupBox1", {8, 32, 289, 97}},
        {"PikseleEdit", {176, 24, 65, 22}},  {"UpDown1", {241, 24, 16, 22}},
        {"InterwalEdit", {176, 56, 65, 22}}, {"UpDown2", {241, 56, 16, 22}},
        {"GroupBox2", {8, 136, 289, 81}},    {"KategoriaCombo", {112, 32, 145, 24}},
        {"GroupBox3", {8, 224, 289, 49}},    {"AutoStartCheck", {32, 24, 233, 17}},
    };
    for (const Control& c : controls) {
        auto* w = dialog_->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.place) << c.name;
    }
    struct Label {
        QLabel* label;
        QPoint place;
        const char* text;
    };
    for (const Label& l : {Label{dialog_->NazwaOkna, {104, 2}, "KONFIGURACJA"},
                           Label{dialog_->Label1, {24, 26}, "Ilość pikseli przesunięcia"},
                           Label{dialog_->Label2, {86, 58}, "Interwał [ms]"},
                           Label{dialog_->Label3, {48, 34}, "Kategoria"}}) {
        EXPECT_EQ(l.label->pos(), l.place) << l.text;
        EXPECT_EQ(l.label->text(), QString::fromUtf8(l.text));
        EXPECT_EQ(l.label->font().family(), AppFonts::windowFont().family()) << l.text;
        EXPECT_EQ(l.label->font().pixelSize(), 13) << l.text;
    }
    EXPECT_EQ(dialog_->AutoStartCheck->font().family(), AppFonts::windowFont().family());
    EXPECT_EQ(dialog_->Label1->parentWidget(), dialog_->GroupBox1);
    EXPECT_EQ(dialog_->Label3->parentWidget(), dialog_->GroupBox2);
    EXPECT_EQ(dialog_->AutoStartCheck->parentWidget(), dialog_->GroupBox3);
    EXPECT_EQ(dialog_->GroupBox1->title(), QStringLiteral(" Przewijanie slów "));
    EXPECT_EQ(dialog_->GroupBox2->title(), QStringLiteral(" Wyświetlane słowa "));
    EXPECT_EQ(dialog_->GroupBox3->title(), QStringLiteral("Autostart"));
    EXPECT_EQ(dialog_->SpeedButton1->text(), QStringLiteral("Anuluj"));
    EXPECT_EQ(dialog_->SpeedButton2->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog_->AutoStartCheck->text(), QStringLiteral("Startuj przy uruchomieniu Windows"));
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Konfiguracja"));
    EXPECT_EQ(dialog_->size(), QSize(306, 314));
    EXPECT_EQ(dialog_->PikseleEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog_->InterwalEdit->text(), QStringLiteral("0"));
    // No text runs under the control beside it or out of its own box.
    EXPECT_LE(dialog_->Label1->geometry().right(), dialog_->PikseleEdit->x());
    EXPECT_LE(dialog_->Label2->geometry().right(), dialog_->InterwalEdit->x());
    EXPECT_LE(dialog_->Label3->geometry().right(), dialog_->KategoriaCombo->x());
    QCheckBox* check = dialog_->AutoStartCheck;
    QStyleOptionButton option;
    option.initFrom(check);
    option.text = check->text();
    EXPECT_LE(check->fontMetrics().horizontalAdvance(check->text()),
              check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check).width());
}

TEST_F(KonfigDialogTest, TabVisitsTheFourInputsAndButtonsNeverTakeFocus)
{
    start();
    QWidget* w = dialog_->PikseleEdit;
    std::vector<QWidget*> chain;
    for (int i = 0; i < 4; ++i) {
        chain.push_back(w);
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !dialog_->isAncestorOf(w));
    }
    EXPECT_EQ(chain, (std::vector<QWidget*>{dialog_->PikseleEdit, dialog_->InterwalEdit, dialog_->KategoriaCombo,
                                            dialog_->AutoStartCheck}));
    EXPECT_EQ(w, dialog_->PikseleEdit) << "no other control takes the focus";
    for (QToolButton* b : dialog_->findChildren<QToolButton*>())
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << b->objectName().toStdString();
}

TEST_F(KonfigDialogTest, ShowingFillsFromTheRecord)
{
    start();
    form_->Kategorie = kKategoriePliku;
    otworz();
    EXPECT_EQ(dialog_->PikseleEdit->text(), QStringLiteral("3"));
    EXPECT_EQ(dialog_->InterwalEdit->text(), QStringLiteral("1999"));
    EXPECT_EQ(pozycjeBoxu(), kPozycje);
    EXPECT_FALSE(dialog_->KategoriaCombo->isEditable());
    EXPECT_EQ(dialog_->KategoriaCombo->view()->sizeHintForRow(0), 16);
    EXPECT_TRUE(dialog_->AutoStartCheck->isChecked());
    EXPECT_TRUE(dialog_->PikseleEdit->isReadOnly());
    EXPECT_TRUE(dialog_->InterwalEdit->isReadOnly());
}

TEST_F(KonfigDialogTest, CategoryDifferingInCaseSelectsTheItemAndStoresItsSpellingWithoutReload)
{
    start(); // the record holds "Dom", the list "dom"
    form_->Kategorie = wartownik();
    otworz();
    EXPECT_EQ(dialog_->KategoriaCombo->currentText(), QStringLiteral("dom"));
    EXPECT_EQ(dialog_->PoczatkowaKategoria, "dom");
    pomalujPasek();
    ok();
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(form_->Ustawienia.Kategoria.str(), "dom");
    const auto plik = FileOps::readAll(konfig());
    EXPECT_EQ(plik.substr(20, 4), std::string("\x03" "dom"));
    // The bytes behind the length keep what the loaded file held.
    EXPECT_EQ(plik.substr(24, 8), std::string(" i ogr\xf3" "d"));
    EXPECT_EQ(form_->Kategorie, wartownik());
    EXPECT_FALSE(pasekWyczyszczony());
}

TEST_F(KonfigDialogTest, OkWithNothingChangedRewritesSettingsAndEntryButDoesNotReload)
{
    start([](TUstawienia& u) { u.Kategoria = "*wszystkie"; });
    const std::string przed = FileOps::readAll(konfig());
    form_->Kategorie = wartownik();
    ASSERT_TRUE(FileOps::deleteFile(konfig()));
    ASSERT_FALSE(fs::exists(AutostartEntry::entryPath()));
    otworz();
    pomalujPasek();
    ok();
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(FileOps::readAll(konfig()), przed);
    EXPECT_TRUE(fs::exists(AutostartEntry::entryPath()));
    EXPECT_EQ(form_->Kategorie, wartownik());
    EXPECT_FALSE(pasekWyczyszczony());
}

TEST_F(KonfigDialogTest, CategoryChangedAndChangedBackDoesNotReload)
{
    start();
    form_->Kategorie = wartownik();
    otworz();
    wybierz(cp("Owoce"));
    wybierz(cp("dom"));
    pomalujPasek();
    ok();
    EXPECT_EQ(form_->Kategorie, wartownik());
    EXPECT_FALSE(pasekWyczyszczony());
}

TEST_F(KonfigDialogTest, OtherCategoryReloadsAndWipesTheStrip)
{
    start();
    form_->Kategorie = wartownik();
    otworz();
    wybierz(cp("Owoce"));
    pomalujPasek();
    ok();
    EXPECT_EQ(form_->Ustawienia.Kategoria.str(), "Owoce");
    EXPECT_TRUE(pasekWyczyszczony());
    EXPECT_EQ(form_->Kategorie, kKategoriePliku);
    ASSERT_EQ(form_->LiczbaSlow, 1);
    EXPECT_EQ(form_->Slowa[0].Angielski.str(), "apple");
    EXPECT_EQ(form_->PierwszeSlowo, 0);
}

TEST_F(KonfigDialogTest, LongCategoryStoresFirstFiftyAndReloadsToEmptyList)
{
    start();
    form_->Kategorie = wartownik();
    otworz();
    wybierz(kDluga);
    pomalujPasek();
    ok();
    EXPECT_EQ(form_->Ustawienia.Kategoria.str(), kDluga.substr(0, 50));
    EXPECT_EQ(zapisane().Kategoria.str(), kDluga.substr(0, 50));
    EXPECT_TRUE(pasekWyczyszczony());
    EXPECT_EQ(form_->Kategorie, kKategoriePliku);
    EXPECT_EQ(form_->LiczbaSlow, 0);
}

TEST_F(KonfigDialogTest, CategoryNotAmongItemsOpensEmptyAndStoresEmptyWithoutReload)
{
    start([](TUstawienia& u) { u.Kategoria = kDluga; }); // cut to 50: no item equals it
    form_->Kategorie = wartownik();
    otworz();
    EXPECT_EQ(dialog_->KategoriaCombo->currentIndex(), -1);
    EXPECT_EQ(dialog_->KategoriaCombo->currentText(), QString());
    pomalujPasek();
    ok();
    EXPECT_EQ(form_->Ustawienia.Kategoria.str(), "");
    EXPECT_EQ(zapisane().Kategoria.str(), "");
    EXPECT_FALSE(pasekWyczyszczony());
}

TEST_F(KonfigDialogTest, WithoutCategoryListTheBoxOffersTheMarkerAlone)
{
    start([](TUstawienia& u) { u.Kategoria = "*WSZYSTKIE"; });
    form_->Kategorie.reset();
    otworz();
    EXPECT_EQ(pozycjeBoxu(), std::vector<std::string>{"*wszystkie"});
    EXPECT_EQ(dialog_->KategoriaCombo->currentText(), QStringLiteral("*wszystkie"));
    EXPECT_EQ(dialog_->PikseleEdit->text(), QStringLiteral("3"));
    ok();
    EXPECT_EQ(zapisane().Kategoria.str(), "*wszystkie");
}

TEST_F(KonfigDialogTest, SpinnersStopAtTheirEnds)
{
    start([](TUstawienia& u) {
        u.Piksele = 99;
        u.Interwal = 1999;
    });
    otworz();
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(dialog_->UpDown1->upButton, Qt::LeftButton);
        QTest::mouseClick(dialog_->UpDown2->upButton, Qt::LeftButton);
    }
    EXPECT_EQ(dialog_->PikseleEdit->text(), QStringLiteral("100"));
    EXPECT_EQ(dialog_->InterwalEdit->text(), QStringLiteral("2000"));
    ok();
    EXPECT_EQ(form_->Ustawienia.Piksele, 100);
    EXPECT_EQ(form_->Ustawienia.Interwal, 2000);
    EXPECT_EQ(zapisane().Interwal, 2000);
    EXPECT_EQ(form_->Timer1->interval(), 2000);
}

TEST_F(KonfigDialogTest, ArrowKeysStepAndTypingChangesNothing)
{
    start([](TUstawienia& u) {
        u.Piksele = 1;
        u.Interwal = 150;
    });
    otworz();
    QTest::keyClick(dialog_->PikseleEdit, Qt::Key_Down);
    QTest::keyClick(dialog_->PikseleEdit, Qt::Key_Down);
    QTest::keyClicks(dialog_->PikseleEdit, QStringLiteral("57"));
    QTest::keyClick(dialog_->InterwalEdit, Qt::Key_Up);
    EXPECT_EQ(dialog_->PikseleEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog_->InterwalEdit->text(), QStringLiteral("151"));
    QTest::mouseClick(dialog_->UpDown2->downButton, Qt::LeftButton);
    EXPECT_EQ(dialog_->InterwalEdit->text(), QStringLiteral("150"));
}

TEST_F(KonfigDialogTest, IntervalZeroStopsTheStripAndAnotherStartsIt)
{
    start([](TUstawienia& u) { u.Interwal = 1; });
    ASSERT_TRUE(form_->Timer1->running());
    otworz();
    QTest::mouseClick(dialog_->UpDown2->downButton, Qt::LeftButton);
    ok();
    EXPECT_EQ(form_->Timer1->interval(), 0);
    EXPECT_FALSE(form_->Timer1->running());
    otworz();
    QTest::mouseClick(dialog_->UpDown2->upButton, Qt::LeftButton);
    ok();
    EXPECT_EQ(form_->Timer1->interval(), 1);
    EXPECT_TRUE(form_->Timer1->running());
}

TEST_F(KonfigDialogTest, StepsRunInOrderAndReadOnlySettingsGiveErrorBoxYetClose)
{
    start();
    ASSERT_EQ(::chmod(konfig().c_str(), 0444), 0);
    const std::string przed = FileOps::readAll(konfig());
    otworz();
    QTest::mouseClick(dialog_->UpDown2->downButton, Qt::LeftButton); // 1998
    dialog_->AutoStartCheck->setChecked(false);                      // there is no entry to delete
    std::vector<int> interwalPrzyBoksie;
    onBox_ = [&](const BoxRecord&) { interwalPrzyBoksie.push_back(form_->Timer1->interval()); };
    ok();
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[0].kind, BoxKind::Warning);
    EXPECT_EQ(boxes_[0].text, QStringLiteral("Nie udało się usunąć program z Autostartu"));
    EXPECT_EQ(boxes_[1].kind, BoxKind::Error);
    EXPECT_EQ(boxes_[1].text, QStringLiteral("Nie udało się zapisać ustawień. Plik może być tylko-do-odczytu."));
    EXPECT_EQ(boxes_[1].buttons, BoxOk);
    EXPECT_EQ(interwalPrzyBoksie, (std::vector<int>{1998, 1998})) << "the timer is set before the boxes";
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(FileOps::readAll(konfig()), przed);
    EXPECT_EQ(form_->Ustawienia.Interwal, 1998);
    EXPECT_EQ(form_->Ustawienia.AutoStart, 0);
}

TEST_F(KonfigDialogTest, TickedBoxReplacesTheEntryClearedBoxDeletesIt)
{
    start();
    otworz();
    ok();
    ASSERT_TRUE(fs::exists(AutostartEntry::entryPath()));
    otworz();
    dialog_->AutoStartCheck->setChecked(false);
    ok();
    EXPECT_TRUE(boxes_.empty());
    EXPECT_FALSE(fs::exists(AutostartEntry::entryPath()));
    EXPECT_EQ(zapisane().AutoStart, 0);
}

TEST_F(KonfigDialogTest, GeometryFieldsAreNeverTouched)
{
    start();
    form_->Kategorie = kKategoriePliku;
    form_->move(40, 50);
    form_->resize(700, form_->height());
    otworz();
    QTest::mouseClick(dialog_->UpDown1->upButton, Qt::LeftButton);
    wybierz(cp("Owoce"));
    ok();
    for (const TUstawienia& u : {form_->Ustawienia, zapisane()}) {
        EXPECT_EQ(u.Lewo, 321);
        EXPECT_EQ(u.Gora, 123);
        EXPECT_EQ(u.Szerokosc, 500);
        EXPECT_EQ(u.Piksele, 4);
    }
}

TEST_F(KonfigDialogTest, CancelChangesNothingAndNextShowingRefills)
{
    start();
    form_->Kategorie = kKategoriePliku;
    const std::string przed = FileOps::readAll(konfig());
    otworz();
    QTest::mouseClick(dialog_->UpDown1->upButton, Qt::LeftButton);
    wybierz(cp("Owoce"));
    dialog_->AutoStartCheck->setChecked(false);
    QTest::mouseClick(dialog_->SpeedButton1, Qt::LeftButton);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(FileOps::readAll(konfig()), przed);
    EXPECT_EQ(form_->Ustawienia.Piksele, 3);
    EXPECT_FALSE(fs::exists(AutostartEntry::entryPath()));
    otworz();
    EXPECT_EQ(dialog_->PikseleEdit->text(), QStringLiteral("3"));
    EXPECT_EQ(dialog_->KategoriaCombo->currentText(), QStringLiteral("dom"));
    EXPECT_TRUE(dialog_->AutoStartCheck->isChecked());
}

TEST_F(KonfigDialogTest, EnterAndEscapeDoNothing)
{
    start();
    const std::string przed = FileOps::readAll(konfig());
    otworz();
    for (QWidget* w : {static_cast<QWidget*>(dialog_), static_cast<QWidget*>(dialog_->PikseleEdit),
                       static_cast<QWidget*>(dialog_->AutoStartCheck)}) {
        QTest::keyClick(w, Qt::Key_Return);
        QTest::keyClick(w, Qt::Key_Escape);
    }
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(FileOps::readAll(konfig()), przed);
}

} // namespace
