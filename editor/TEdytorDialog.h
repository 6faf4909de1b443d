#pragma once

#include "DictionarySearch.h"
#include "SkinnedDialog.h"

#include <string>

class DictionaryGrid;
class DictionaryModel;
class QFrame;
class QLineEdit;
class QPushButton;

// The dictionary editor: slownik.txt as a grid of English, Polish and
// category cells, with a search, rows added at the end by Tab and a save
// that keeps the first backup. It reads the file at creation and again at
// every showing, and never touches the main window's word list.
class TEdytorDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    // The dictionary lives in the program directory: the main window's,
    // unless a test names another (with its trailing "/").
    explicit TEdytorDialog(QWidget* parent, const std::string& katalog = {});
    ~TEdytorDialog() override;

    PictureBox* Image2;
    QLabel* Label1;
    DictionaryGrid* SlownikGrid;
    QFrame* Panel1;
    QPushButton* Button2;
    QLineEdit* SzukajEdit;
    QPushButton* Button3;
    QPushButton* Button4;

    // Reads the file again, then shows the editor modally.
    void Pokaz();

    // Throws FileError when the file cannot be read; the rows then stay as they were.
    void WczytajSlownik(const std::string& plik);

    void Button3Click();
    void SzukajEditChange();
    void SlownikGridKeyDown(int Key);
    // Throws FileError when slownik.txt cannot be written.
    void Button2Click();
    void Button4Click();
    // Whether the editor may close: the user confirmed the question.
    [[nodiscard]] bool FormClose();

    [[nodiscard]] DictionaryModel& model() { return *model_; }
    [[nodiscard]] const std::string& katalog() const { return katalog_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void utworzPanel();
    void wybierzKomorke(int row, int column);

    DictionaryModel* model_;
    DictionarySearch search_;
    std::string katalog_;
};

extern TEdytorDialog* EdytorDialog;
