#include "TEdytorDialog.h"

#include "Colours.h"
#include "DictionaryGrid.h"
#include "DictionaryModel.h"
#include "FileOps.h"
#include "MessageBoxes.h"
#include "PictureBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace {

std::string fixture(const char* name)
{
    return FileOps::readAll(std::string(SLOWNIK_TEST_DATA) + "/" + name);
}

// Types text as a keyboard would, letter by letter into whatever has the focus.
void typeText(const QString& text)
{
    for (const QChar letter : text)
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(letter), Qt::NoModifier);
}

const QString kQuestion = QStringLiteral("Czy na pewno chcesz zakończyć edycję słownika?\r\nNiezapisane zmiany zostaną utracone!");

class TEdytorDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        MessageBoxes::setResponder([this](const BoxRecord& box) {
            boxes_.push_back(box);
            return answer_;
        });
    }
    void TearDown() override
    {
        dialog_.reset();
        MessageBoxes::setResponder({});
    }

    [[nodiscard]] std::string katalog() const { return dir_.path().toStdString() + "/"; }
    [[nodiscard]] std::string txt() const { return katalog() + "slownik.txt"; }
    [[nodiscard]] std::string bak() const { return katalog() + "slownik.bak"; }
    void writeTxt(const std::string& bytes) const { std::ofstream(txt(), std::ios::binary) << bytes; }

    TEdytorDialog& open(const char* fixtureName)
    {
        writeTxt(fixture(fixtureName));
        return open();
    }
    TEdytorDialog& open()
    {
        dialog_ = std::make_unique<TEdytorDialog>(nullptr, katalog());
        return *dialog_;
    }
    DictionaryModel& model() { return dialog_->model(); }
    [[nodiscard]] QModelIndex current() const { return dialog_->SlownikGrid->currentIndex(); }

    // Runs check inside the modal loop of Pokaz, then closes with OK.
    void showAndThen(const std::function<void()>& check)
    {
        QTimer::singleShot(0, dialog_.get(), [this, check] {
            check();
            answer_ = BoxOk;
            dialog_->Button4->click();
        });
        dialog_->Pokaz();
    }

    QTemporaryDir dir_;
    std::unique_ptr<TEdytorDialog> dialog_;
    std::vector<BoxRecord> boxes_;
    BoxButton answer_ = BoxOk;
};

TEST_F(TEdytorDialogTest, ComponentsSitAtTheirPlaces)
{
    TEdytorDialog& d = open("szukaj.txt");
    EXPECT_EQ(d.size(), QSize(592, 366));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Edycja słownika"));
    EXPECT_EQ(d.TloRamka->geometry(), QRect(0, 0, 592, 366));
    EXPECT_EQ(d.Image1->geometry(), QRect(1, 1, 590, 33));
    EXPECT_EQ(d.Image2->geometry(), QRect(1, 309, 590, 36));
    EXPECT_EQ(d.Label1->text(), QStringLiteral("EDYCJA SŁOWNIKA"));
    EXPECT_EQ(d.Label1->pos(), QPoint(240, 2));
    EXPECT_EQ(d.SlownikGrid->geometry(), QRect(2, 32, 588, 281));
    EXPECT_EQ(d.Panel1->geometry(), QRect(1, 334, 590, 31));
    EXPECT_EQ(d.SzukajEdit->parentWidget(), d.Panel1);
    EXPECT_EQ(d.SzukajEdit->geometry(), QRect(8, 0, 121, 24));
    EXPECT_EQ(d.SzukajEdit->toolTip(), QStringLiteral("Wpisz szukany tekst"));
    EXPECT_EQ(d.Button3->geometry(), QRect(136, 0, 57, 25));
    EXPECT_EQ(d.Button3->text(), QStringLiteral("Szukaj"));
    EXPECT_EQ(d.Button2->geometry(), QRect(424, 0, 75, 25));
    EXPECT_EQ(d.Button2->text(), QStringLiteral("Zapisz"));
    EXPECT_EQ(d.Button4->geometry(), QRect(504, 0, 75, 25));
    EXPECT_EQ(d.Button4->text(), QStringLiteral("Zakończ"));
}

TEST_F(TEdytorDialogTest, GridHasHeadingsColumnWidthsAndGridBehaviour)
{
    TEdytorDialog& d = open("szukaj.txt");
    DictionaryGrid* grid = d.SlownikGrid;
    const QStringList headings = {"Angielski", "Polski", "Kategoria"};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(model().headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), headings[c]);
        // (588 - 28) * 0.33 = 185 pixels, and the grid line beside them.
        EXPECT_EQ(grid->columnWidth(c), 186);
    }
    EXPECT_EQ(model().columnCount(), 3);
    EXPECT_TRUE(grid->horizontalHeader()->isVisibleTo(&d));
    EXPECT_FALSE(grid->verticalHeader()->isVisibleTo(&d)) << "no fixed column";
    EXPECT_EQ(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_NE(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    EXPECT_EQ(grid->selectionMode(), QAbstractItemView::ContiguousSelection);
    EXPECT_TRUE(grid->showGrid());
    EXPECT_TRUE(grid->tabKeyNavigation());
    EXPECT_TRUE(grid->editTriggers() & QAbstractItemView::AnyKeyPressed);
    EXPECT_TRUE(model().flags(model().index(0, 0)) & Qt::ItemIsEditable);
}

TEST_F(TEdytorDialogTest, ColoursOfGridHeadingsAndPanel)
{
    TEdytorDialog& d = open("szukaj.txt");
    d.show();
    const QImage shot = d.grab().toImage();
    const QPoint grid = d.SlownikGrid->pos();
    // Inside the first heading cell, left of its text.
    EXPECT_EQ(QColor(shot.pixel(grid + QPoint(1, 3))), QColor(192, 233, 248));
    // The grid's background beyond the last column and below the last row.
    EXPECT_EQ(QColor(shot.pixel(grid + QPoint(580, 100))), Colours::Strip);
    EXPECT_EQ(QColor(shot.pixel(grid + QPoint(20, 270))), Colours::Strip);
    // Between the search button and the save button.
    EXPECT_EQ(QColor(shot.pixel(d.Panel1->pos() + QPoint(300, 15))), Colours::SkinRed);
}

TEST_F(TEdytorDialogTest, FocusGoesGridSaveSearchBoxSearchFinish)
{
    TEdytorDialog& d = open("szukaj.txt");
    const QList<QWidget*> ours = {d.SlownikGrid, d.Button2, d.SzukajEdit, d.Button3, d.Button4};
    QList<QWidget*> order;
    for (QWidget* w = d.SlownikGrid->nextInFocusChain(); w != d.SlownikGrid; w = w->nextInFocusChain()) {
        if (ours.contains(w))
            order.push_back(w);
    }
    EXPECT_EQ(order, ours.mid(1));
}

TEST_F(TEdytorDialogTest, EdgeCaseLinesLoadAndSaveAsThreeQuotedFields)
{
    open("krawedzie.txt");
    ASSERT_EQ(model().rows(), 5);
    EXPECT_EQ(model().text(0, 1), QStringLiteral(" "));
    EXPECT_EQ(model().text(1, 2), QString());
    EXPECT_EQ(model().text(2, 2), QStringLiteral("t"));
    EXPECT_EQ(model().text(3, 0), QString());

    dialog_->Button2Click();
    EXPECT_EQ(FileOps::readAll(txt()), fixture("krawedzie_zapis.txt"));
    EXPECT_EQ(FileOps::readAll(bak()), fixture("krawedzie.txt"));
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(TEdytorDialogTest, SecondSaveKeepsTheFirstBackup)
{
    open("szukaj.txt");
    dialog_->Button2->click();
    model().setData(model().index(1, 1), QStringLiteral("kotek"), Qt::EditRole);
    dialog_->Button2->click();
    EXPECT_EQ(FileOps::readAll(bak()), fixture("szukaj.txt"));
    EXPECT_NE(FileOps::readAll(txt()).find("\"cat\";\"kotek\";"), std::string::npos);
    EXPECT_TRUE(boxes_.empty());
}

TEST_F(TEdytorDialogTest, EveryPolishLetterSurvivesLoadAndSave)
{
    open("polskie.txt");
    EXPECT_EQ(model().text(0, 0), QStringLiteral("ĄĆĘŁŃÓŚŹŻ"));
    EXPECT_EQ(model().text(0, 1), QStringLiteral("ąćęłńóśźż"));
    EXPECT_EQ(model().text(1, 1), QStringLiteral("gęślą jaźń"));
    dialog_->Button2Click();
    EXPECT_EQ(FileOps::readAll(txt()), fixture("polskie.txt"));
}

TEST_F(TEdytorDialogTest, QuotesInCellsReadBackUnchanged)
{
    open("cudzyslow.txt");
    EXPECT_EQ(model().text(0, 0), QStringLiteral("say \"hi\""));
    EXPECT_EQ(model().text(1, 1), QStringLiteral("\"\""));
    dialog_->Button2Click();
    EXPECT_EQ(FileOps::readAll(txt()), fixture("cudzyslow.txt"));
}

TEST_F(TEdytorDialogTest, EmptyFileGivesNoRowsSavesEmptyAndTabAddsTheFirstRow)
{
    TEdytorDialog& d = open("pusty.txt");
    EXPECT_EQ(model().rows(), 0);
    d.Button2Click();
    EXPECT_EQ(FileOps::fileSize(txt()), 0);

    d.show();
    d.SlownikGrid->setFocus();
    QTest::keyClick(d.SlownikGrid, Qt::Key_Tab);
    EXPECT_EQ(model().rows(), 1);
    EXPECT_EQ(current(), model().index(0, 0));
}

TEST_F(TEdytorDialogTest, TabInTheLastCellAddsARowShiftOrNot)
{
    TEdytorDialog& d = open("szukaj.txt");
    d.show();
    DictionaryGrid* grid = d.SlownikGrid;
    grid->setFocus();

    grid->setCurrentIndex(model().index(5, 1));
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(model().rows(), 6) << "not the last cell";
    EXPECT_EQ(current(), model().index(5, 2));

    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(model().rows(), 7);
    EXPECT_EQ(current(), model().index(6, 0));

    grid->setCurrentIndex(model().index(6, 2));
    QTest::keyClick(grid, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(model().rows(), 8);
    EXPECT_EQ(current(), model().index(6, 1)) << "Shift+Tab adds the row, then moves back";
}

TEST_F(TEdytorDialogTest, TypingEditsACellAndTabFromItsEditorAddsARow)
{
    TEdytorDialog& d = open("szukaj.txt");
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    DictionaryGrid* grid = d.SlownikGrid;
    grid->setFocus();
    grid->setCurrentIndex(model().index(5, 2));
    typeText(QStringLiteral("łąka"));
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid) << "typing opens the cell's editor";
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(model().text(5, 2), QStringLiteral("łąka"));
    EXPECT_EQ(model().rows(), 7);
    EXPECT_EQ(current(), model().index(6, 0));
}

TEST_F(TEdytorDialogTest, SearchSelectsTheCellScrollsItToTheTopAndMovesOn)
{
    TEdytorDialog& d = open("szukaj.txt");
    // Rows enough for the grid to scroll.
    for (int i = 0; i < 40; ++i)
        model().appendRow();
    d.show();
    DictionaryGrid* grid = d.SlownikGrid;
    auto selected = [grid] { return grid->selectionModel()->selectedIndexes(); };

    QTest::keyClicks(d.SzukajEdit, QStringLiteral("ab"));
    d.Button3->click();
    EXPECT_EQ(current(), model().index(2, 2));
    EXPECT_EQ(selected(), QModelIndexList{model().index(2, 2)});
    EXPECT_EQ(grid->rowAt(0), 2) << "the found row is the topmost row";

    d.Button3->click();
    EXPECT_EQ(current(), model().index(4, 0));
    EXPECT_EQ(selected(), QModelIndexList{model().index(4, 0)});
    EXPECT_EQ(grid->rowAt(0), 4);
    EXPECT_TRUE(boxes_.empty());

    d.Button3->click();
    d.Button3->click();
    ASSERT_EQ(boxes_.size(), 2u);
    for (const BoxRecord& box : boxes_) {
        EXPECT_EQ(box.kind, BoxKind::Information);
        EXPECT_EQ(box.text, QStringLiteral("Nie znaleziono tekstu"));
        EXPECT_EQ(box.buttons, BoxOk);
    }
    EXPECT_EQ(current(), model().index(4, 0));

    // Typing in the search box starts again from row 1.
    QTest::keyClick(d.SzukajEdit, Qt::Key_Backspace);
    QTest::keyClicks(d.SzukajEdit, QStringLiteral("b"));
    d.Button3->click();
    EXPECT_EQ(current(), model().index(2, 2));
}

TEST_F(TEdytorDialogTest, SearchForUpperCaseOrNothingFindsNothing)
{
    TEdytorDialog& d = open("szukaj.txt");
    d.SzukajEdit->setText(QStringLiteral("AB"));
    d.Button3->click();
    d.SzukajEdit->clear();
    d.Button3->click();
    ASSERT_EQ(boxes_.size(), 2u);
    EXPECT_EQ(boxes_[0].text, QStringLiteral("Nie znaleziono tekstu"));
    EXPECT_EQ(boxes_[1].text, QStringLiteral("Nie znaleziono tekstu"));
}

TEST_F(TEdytorDialogTest, CellTheFileCannotHoldStopsTheSaveBeforeAnythingIsWritten)
{
    TEdytorDialog& d = open("szukaj.txt");
    model().setData(model().index(1, 1), QStringLiteral("mañana"), Qt::EditRole);
    d.Button2Click();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].kind, BoxKind::Error);
    EXPECT_EQ(boxes_[0].buttons, BoxOk);
    EXPECT_EQ(boxes_[0].text, QStringLiteral("Słownik nie został zapisany: komórka w wierszu 2, w kolumnie \"Polski\" "
                                             "zawiera znak \"ñ\", którego nie można zapisać w pliku słownika."));
    EXPECT_EQ(current(), model().index(1, 1)) << "the cell is shown";
    EXPECT_EQ(FileOps::readAll(txt()), fixture("szukaj.txt"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(bak()))) << "not even the backup";
}

TEST_F(TEdytorDialogTest, CloseAsksEveryTimeAndCancelKeepsTheEditorOpen)
{
    TEdytorDialog& d = open("szukaj.txt");
    d.show();
    answer_ = BoxCancel;
    d.Button4->click();
    EXPECT_TRUE(d.isVisible());
    d.close(); // as the window system's close command
    EXPECT_TRUE(d.isVisible());
    answer_ = BoxOk;
    d.close();
    EXPECT_FALSE(d.isVisible());
    ASSERT_EQ(boxes_.size(), 3u);
    for (const BoxRecord& box : boxes_) {
        EXPECT_EQ(box.kind, BoxKind::Warning);
        EXPECT_EQ(box.text, kQuestion);
        EXPECT_EQ(box.buttons, BoxOk | BoxCancel);
    }
    d.show();
    d.Button4->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(boxes_.size(), 4u) << "asked again after nothing changed";
}

TEST_F(TEdytorDialogTest, ReopenedEditorShowsTheFileWithoutUnsavedEdits)
{
    TEdytorDialog& d = open("szukaj.txt");
    showAndThen([&] {
        EXPECT_TRUE(d.isVisible());
        model().setData(model().index(0, 0), QStringLiteral("zmiana"), Qt::EditRole);
        model().appendRow();
    });
    EXPECT_FALSE(d.isVisible());
    // Meanwhile the file gained a line, as after an update's merge.
    writeTxt(fixture("szukaj.txt") + "\"new\";\"nowy\";\"inne\"\r\n");
    showAndThen([&] {
        EXPECT_EQ(model().rows(), 7);
        EXPECT_EQ(model().text(0, 0), QStringLiteral("Abecadło"));
        EXPECT_EQ(model().text(6, 1), QStringLiteral("nowy"));
    });
    EXPECT_EQ(FileOps::readAll(txt()), fixture("szukaj.txt") + "\"new\";\"nowy\";\"inne\"\r\n");
}

TEST_F(TEdytorDialogTest, UnreadableFileAtStartIsReportedAndLeavesOneEmptyRow)
{
    open();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].kind, BoxKind::Error);
    EXPECT_EQ(boxes_[0].title, QCoreApplication::applicationName());
    EXPECT_EQ(boxes_[0].text, QString::fromStdString("Cannot open file \"" + txt() + "\". No such file or directory."));
    EXPECT_EQ(model().rows(), 1);
    EXPECT_EQ(model().text(0, 0), QString());
}

TEST_F(TEdytorDialogTest, UnreadableFileAtALaterShowingIsReportedAndOpensWithOneEmptyRow)
{
    TEdytorDialog& d = open("szukaj.txt");
    model().setData(model().index(0, 0), QStringLiteral("zmiana"), Qt::EditRole);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(txt())));
    showAndThen([&] {
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(model().rows(), 1);
        EXPECT_EQ(model().text(0, 0), QString());
    });
    ASSERT_GE(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].kind, BoxKind::Error);
    EXPECT_EQ(boxes_[0].text, QString::fromStdString("Cannot open file \"" + txt() + "\". No such file or directory."));
}

TEST_F(TEdytorDialogTest, SaveFailureReachesTheDefaultErrorReport)
{
    TEdytorDialog& d = open("szukaj.txt");
    ASSERT_TRUE(QFile::remove(QString::fromStdString(txt())));
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(txt())));
    d.Button2->click();
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].kind, BoxKind::Error);
    EXPECT_EQ(boxes_[0].title, QCoreApplication::applicationName());
    EXPECT_EQ(boxes_[0].text, QString::fromStdString("Cannot create file \"" + txt() + "\". Is a directory."));
}

TEST_F(TEdytorDialogTest, HundredThousandLinesOpenAndSaveBackUnchanged)
{
    std::string bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += "\"word " + std::to_string(i) + "\";\"s\xB3owo \xBF\xF3\xB3w " + std::to_string(i) + "\";\"kategoria " +
                 std::to_string(i % 37) + "\"\r\n";
    writeTxt(bytes);
    TEdytorDialog& d = open();
    ASSERT_EQ(model().rows(), 100000);
    EXPECT_EQ(model().text(99999, 1), QStringLiteral("słowo żółw 99999"));
    d.Button2Click();
    EXPECT_EQ(FileOps::readAll(txt()), bytes);
    EXPECT_EQ(FileOps::readAll(bak()), bytes);
}

} // namespace
