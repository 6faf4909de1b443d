#include "TEdytorDialog.h"

#include "Application.h"
#include "ApplicationPaths.h"
#include "Colours.h"
#include "DictionaryGrid.h"
#include "DictionaryModel.h"
#include "DictionarySaver.h"
#include "MessageBoxes.h"
#include "PictureBox.h"
#include "PlikSlownika.h"
#include "TForm1.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

TEdytorDialog* EdytorDialog = nullptr;

namespace {

// A grid line is one pixel; the grid draws it inside each section.
constexpr int kLineWidth = 1;
constexpr int kRowHeight = 24;

const char* const kGridStyle = R"(
QTableView#SlownikGrid { background-color: rgb(26, 153, 204); gridline-color: rgb(192, 192, 192); border: none; }
QHeaderView { background-color: rgb(26, 153, 204); border: none; }
QHeaderView::section {
    background-color: rgb(192, 233, 248); color: black; padding-left: 2px;
    border: none; border-right: 1px solid rgb(192, 192, 192); border-bottom: 1px solid rgb(192, 192, 192);
}
)";

} // namespace

TEdytorDialog::TEdytorDialog(QWidget* parent, const std::string& katalog)
    : SkinnedDialog(parent, QStringLiteral("Edycja słownika"), QSize(592, 366), QStringLiteral("EDYCJA SŁOWNIKA"), 240),
      model_(new DictionaryModel(this))
{
    EdytorDialog = this;
    if (!katalog.empty())
        katalog_ = katalog;
    else
        katalog_ = Form1 != nullptr ? Form1->KatalogProgramu : ApplicationPaths::applicationDirectory();

    Image2 = addBottomBar(QRect(1, 309, 590, 36));
    Label1 = NazwaOkna;

    SlownikGrid = new DictionaryGrid(this);
    SlownikGrid->setObjectName(QStringLiteral("SlownikGrid"));
    SlownikGrid->setGeometry(2, 32, 588, 281);
    SlownikGrid->setFrameShape(QFrame::NoFrame);
    SlownikGrid->setStyleSheet(QString::fromLatin1(kGridStyle));
    SlownikGrid->setModel(model_);
    SlownikGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SlownikGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    SlownikGrid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    SlownikGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    SlownikGrid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed);
    SlownikGrid->setTabKeyNavigation(true);
    SlownikGrid->setShowGrid(true);
    SlownikGrid->setWordWrap(false);
    SlownikGrid->setTextElideMode(Qt::ElideNone);
    SlownikGrid->setCornerButtonEnabled(false);
    // Fixed row heights keep a grid of 100 000 rows as quick as a small one.
    QHeaderView* rowsHeader = SlownikGrid->verticalHeader();
    rowsHeader->hide();
    rowsHeader->setMinimumSectionSize(1);
    rowsHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowsHeader->setDefaultSectionSize(kRowHeight + kLineWidth);
    QHeaderView* headings = SlownikGrid->horizontalHeader();
    headings->setSectionResizeMode(QHeaderView::Interactive);
    headings->setStretchLastSection(false);
    headings->setSectionsClickable(false);
    headings->setHighlightSections(false);
    headings->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    headings->setMinimumSectionSize(1);
    headings->setFixedHeight(kRowHeight + kLineWidth);
    SlownikGrid->keyDown = [this](int key) { SlownikGridKeyDown(key); };

    utworzPanel();

    setTabOrder(SlownikGrid, Button2);
    setTabOrder(Button2, SzukajEdit);
    setTabOrder(SzukajEdit, Button3);
    setTabOrder(Button3, Button4);

    // The grid's two initial rows: the headings and one empty row.
    model_->clear(1);
    try {
        FormCreate();
    } catch (const std::exception& error) {
        // At program start this runs outside any event handler.
        Application::reportError(QString::fromUtf8(error.what()));
    }
}

TEdytorDialog::~TEdytorDialog()
{
    if (EdytorDialog == this)
        EdytorDialog = nullptr;
}

void TEdytorDialog::utworzPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(1, 334, 590, 31);
    Panel1->setFrameShape(QFrame::NoFrame);
    Panel1->setAutoFillBackground(true);
    QPalette red = Panel1->palette();
    red.setColor(QPalette::Window, Colours::SkinRed);
    Panel1->setPalette(red);

    auto button = [this](const char* name, const QString& caption, const QRect& place) {
        auto* b = new QPushButton(caption, Panel1);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(place);
        b->setAutoDefault(false);
        return b;
    };
    Button2 = button("Button2", QStringLiteral("Zapisz"), QRect(424, 0, 75, 25));
    SzukajEdit = new QLineEdit(Panel1);
    SzukajEdit->setObjectName(QStringLiteral("SzukajEdit"));
    SzukajEdit->setGeometry(8, 0, 121, 24);
    SzukajEdit->setToolTip(QStringLiteral("Wpisz szukany tekst"));
    Button3 = button("Button3", QStringLiteral("Szukaj"), QRect(136, 0, 57, 25));
    Button4 = button("Button4", QStringLiteral("Zakończ"), QRect(504, 0, 75, 25));

    connect(Button2, &QPushButton::clicked, this, [this] {
        // Save failures go to the default error report, as from any handler.
        try {
            Button2Click();
        } catch (const std::exception& error) {
            Application::reportError(QString::fromUtf8(error.what()));
        }
    });
    connect(Button3, &QPushButton::clicked, this, &TEdytorDialog::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TEdytorDialog::Button4Click);
    connect(SzukajEdit, &QLineEdit::textChanged, this, &TEdytorDialog::SzukajEditChange);
}

void TEdytorDialog::FormCreate()
{
    // The skinned frame is painted by the dialog base.
    WczytajSlownik(katalog_ + "slownik.txt");
}

void TEdytorDialog::WczytajSlownik(const std::string& plik)
{
    // The headings are the model's own.
    const int width = static_cast<int>(std::lround((SlownikGrid->width() - 28) * 0.33));
    for (int column = 0; column < DictionaryModel::Columns; ++column)
        SlownikGrid->setColumnWidth(column, width + kLineWidth);
    const std::vector<std::string> linie = CzytajLinie(plik);
    model_->load(linie);
    if (model_->rows() > 0)
        SlownikGrid->setCurrentIndex(model_->index(0, 0));
}

void TEdytorDialog::Pokaz()
{
    try {
        WczytajSlownik(katalog_ + "slownik.txt");
    } catch (const std::exception& error) {
        // Edits of an earlier showing must not come back as if they were the
        // file: the editor opens as at a failed start, with one empty row.
        model_->clear(1);
        SlownikGrid->setCurrentIndex(model_->index(0, 0));
        Application::reportError(QString::fromUtf8(error.what()));
    }
    SkinnedDialog::Pokaz();
}

void TEdytorDialog::wybierzKomorke(int row, int column)
{
    const QModelIndex cell = model_->index(row, column);
    SlownikGrid->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    SlownikGrid->scrollTo(cell, QAbstractItemView::PositionAtTop);
}

void TEdytorDialog::Button3Click()
{
    const auto found = search_.next(*model_, SzukajEdit->text());
    if (!found) {
        MessageBoxes::show(BoxKind::Information, QStringLiteral("Nie znaleziono tekstu"), BoxOk);
        return;
    }
    wybierzKomorke(found->first, found->second);
}

void TEdytorDialog::SzukajEditChange()
{
    search_.restart();
}

void TEdytorDialog::SlownikGridKeyDown(int Key)
{
    if (Key != Qt::Key_Tab)
        return;
    const int lastRow = model_->rows() - 1;
    // Without entry rows the heading row is the last cell there is.
    if (lastRow < 0) {
        model_->appendRow();
        return;
    }
    QModelIndex current = SlownikGrid->currentIndex();
    if (!current.isValid())
        return;
    int left = current.column();
    int top = current.row();
    for (const QItemSelectionRange& range : SlownikGrid->selectionModel()->selection()) {
        left = std::min(left, range.left());
        top = std::min(top, range.top());
    }
    if (left == DictionaryModel::Columns - 1 && top == lastRow)
        model_->appendRow();
}

void TEdytorDialog::Button2Click()
{
    if (const auto bad = model_->firstUnstorable()) {
        wybierzKomorke(bad->row, bad->column);
        MessageBoxes::show(BoxKind::Error,
                           QStringLiteral("Słownik nie został zapisany: komórka w wierszu %1, w kolumnie \"%2\" "
                                          "zawiera znak \"%3\", którego nie można zapisać w pliku słownika.")
                               .arg(bad->row + 1)
                               .arg(DictionaryModel::headings()[static_cast<std::size_t>(bad->column)])
                               .arg(bad->character),
                           BoxOk);
        return;
    }
    DictionarySaver::save(katalog_ + "slownik.txt", katalog_ + "slownik.bak", model_->lines());
}

void TEdytorDialog::Button4Click()
{
    close();
}

bool TEdytorDialog::FormClose()
{
    return MessageBoxes::show(BoxKind::Warning,
                              QStringLiteral("Czy na pewno chcesz zakończyć edycję słownika?\r\n"
                                             "Niezapisane zmiany zostaną utracone!"),
                              BoxOk | BoxCancel) == BoxOk;
}

void TEdytorDialog::closeEvent(QCloseEvent* event)
{
    if (!FormClose()) {
        event->ignore();
        return;
    }
    SkinnedDialog::closeEvent(event);
}
