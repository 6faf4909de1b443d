#include "TKonfigDialog.h"

#include "CategoryItems.h"
#include "Cp1250.h"
#include "FlatGroupBox.h"
#include "PictureBox.h"
#include "Spinner.h"
#include "TForm1.h"
#include "TPaintBox.h"
#include "Timer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QShowEvent>
#include <QToolButton>

TKonfigDialog* KonfigDialog = nullptr;

namespace {

constexpr SpinnerRange kZakresPikseli{0, 100};
constexpr SpinnerRange kZakresInterwalu{0, 2000};
constexpr int kWysokoscPozycji = 16;

QGroupBox* ramka(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    auto* box = new FlatGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    return box;
}

QLineEdit* pole(QWidget* parent, const char* name, const QRect& place)
{
    auto* edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setGeometry(place);
    return edit;
}

QToolButton* przycisk(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(place);
    return button;
}

} // namespace

TKonfigDialog::TKonfigDialog(QWidget* parent)
    : SkinnedDialog(parent, QStringLiteral("Konfiguracja"), QSize(306, 314), QStringLiteral("KONFIGURACJA"), 104)
{
    KonfigDialog = this;
    // The places were made for a narrower face than ours: drawn a little
    // closer, the longest texts end before the controls beside them.
    QFont zwarta = font();
    zwarta.setLetterSpacing(QFont::PercentageSpacing, 90);
    setFont(zwarta);

    Image2 = addBottomBar(QRect(0, 272, 306, 41));
    SpeedButton1 = przycisk(this, "SpeedButton1", QStringLiteral("Anuluj"), QRect(232, 290, 65, 21));
    SpeedButton2 = przycisk(this, "SpeedButton2", QStringLiteral("OK"), QRect(160, 290, 65, 21));

    GroupBox1 = ramka(this, "GroupBox1", QStringLiteral(" Przewijanie slów "), QRect(8, 32, 289, 97));
    Label1 = etykieta(GroupBox1, "Label1", QStringLiteral("Ilość pikseli przesunięcia"), QPoint(24, 26));
    PikseleEdit = pole(GroupBox1, "PikseleEdit", QRect(176, 24, 65, 22));
    UpDown1 = new Spinner(PikseleEdit, kZakresPikseli, GroupBox1);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(241, 24, 16, 22);
    Label2 = etykieta(GroupBox1, "Label2", QStringLiteral("Interwał [ms]"), QPoint(86, 58));
    InterwalEdit = pole(GroupBox1, "InterwalEdit", QRect(176, 56, 65, 22));
    UpDown2 = new Spinner(InterwalEdit, kZakresInterwalu, GroupBox1);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    UpDown2->setGeometry(241, 56, 16, 22);

    GroupBox2 = ramka(this, "GroupBox2", QStringLiteral(" Wyświetlane słowa "), QRect(8, 136, 289, 81));
    Label3 = etykieta(GroupBox2, "Label3", QStringLiteral("Kategoria"), QPoint(48, 34));
    KategoriaCombo = new QComboBox(GroupBox2);
    KategoriaCombo->setObjectName(QStringLiteral("KategoriaCombo"));
    KategoriaCombo->setEditable(false);
    // A plain list view honours the items' height; the default popup does not.
    KategoriaCombo->setView(new QListView(KategoriaCombo));
    KategoriaCombo->setGeometry(112, 32, 145, 24);

    GroupBox3 = ramka(this, "GroupBox3", QStringLiteral("Autostart"), QRect(8, 224, 289, 49));
    AutoStartCheck = new QCheckBox(QStringLiteral("Startuj przy uruchomieniu Windows"), GroupBox3);
    AutoStartCheck->setObjectName(QStringLiteral("AutoStartCheck"));
    AutoStartCheck->setGeometry(32, 24, 233, 17);

    setTabOrder(PikseleEdit, InterwalEdit);
    setTabOrder(InterwalEdit, KategoriaCombo);
    setTabOrder(KategoriaCombo, AutoStartCheck);

    connect(TloRamka, &PictureBox::pressed, this, [this] { TloRamkaMouseDown(TloRamka); });
    connect(Image2, &PictureBox::pressed, this, [this] { TloRamkaMouseDown(Image2); });
    connect(SpeedButton1, &QToolButton::clicked, this, &TKonfigDialog::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TKonfigDialog::SpeedButton2Click);
}

TKonfigDialog::~TKonfigDialog()
{
    if (KonfigDialog == this)
        KonfigDialog = nullptr;
}

void TKonfigDialog::showEvent(QShowEvent* event)
{
    // Only a showing by the program refills; the window system's own
    // (un-minimising, say) and closing a message box do not.
    if (!event->spontaneous())
        FormActivate();
    SkinnedDialog::showEvent(event);
}

void TKonfigDialog::FormActivate()
{
    const TUstawienia& ustawienia = Form1->Ustawienia;

    const std::vector<std::string> pozycje = CategoryItems::of(Form1->Kategorie);
    KategoriaCombo->clear();
    for (const std::string& pozycja : pozycje) {
        KategoriaCombo->addItem(Cp1250::toUnicode(pozycja), QByteArray::fromStdString(pozycja));
        KategoriaCombo->setItemData(KategoriaCombo->count() - 1, QSize(0, kWysokoscPozycji), Qt::SizeHintRole);
    }

    UpDown1->setValue(ustawienia.Piksele);
    UpDown2->setValue(ustawienia.Interwal);

    const auto wybrana = CategoryItems::find(pozycje, ustawienia.Kategoria.view());
    KategoriaCombo->setCurrentIndex(wybrana ? static_cast<int>(*wybrana) : -1);

    AutoStartCheck->setChecked(ustawienia.AutoStart != 0);

    PoczatkowaKategoria = tekstKategorii();
}

std::string TKonfigDialog::tekstKategorii() const
{
    const int i = KategoriaCombo->currentIndex();
    if (i < 0)
        return {};
    return KategoriaCombo->itemData(i).toByteArray().toStdString();
}

void TKonfigDialog::SpeedButton2Click()
{
    TUstawienia& ustawienia = Form1->Ustawienia;
    // 1.
    ustawienia.Piksele = UpDown1->value();
    // 2. A changed interval restarts the count, 0 stops the strip.
    ustawienia.Interwal = UpDown2->value();
    Form1->Timer1->setInterval(ustawienia.Interwal);
    // 3. The record keeps the first 50 bytes.
    const std::string kategoria = tekstKategorii();
    ustawienia.Kategoria = kategoria;
    // 4.
    ustawienia.AutoStart = AutoStartCheck->isChecked() ? 1 : 0;
    // 5. On every OK, changed or not.
    if (AutoStartCheck->isChecked())
        Form1->WstawDoAutostartu();
    else
        Form1->UsunZAutoStartu();
    // 6. A failure shows its box and OK goes on.
    Form1->ZapiszKonfiguracje(false);
    // 7. Compared byte for byte: a change of letter case alone reloads too.
    if (kategoria != PoczatkowaKategoria) {
        Form1->WczytajSlownik(Form1->KatalogProgramu + "slownik.txt");
        // The full repaint wipes the old texts off the strip.
        Form1->PaintBox1->wyczysc();
        Form1->repaint();
    }
    // 8.
    reject();
}

void TKonfigDialog::SpeedButton1Click()
{
    reject();
}

void TKonfigDialog::TloRamkaMouseDown(PictureBox* Sender)
{
    startMove(Sender);
}
