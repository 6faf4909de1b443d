#pragma once

#include "SkinnedDialog.h"

#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;
class Spinner;

// The settings dialog: step and interval of the strip, the category shown
// and the start-at-log-on choice. It works on Form1's settings record; OK
// applies and saves them and, when the category text changed, reloads the
// word list. The window geometry fields are never touched.
class TKonfigDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TKonfigDialog(QWidget* parent);
    ~TKonfigDialog() override;

    PictureBox* Image2;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QGroupBox* GroupBox1;
    QLabel* Label1;
    QLineEdit* PikseleEdit;
    Spinner* UpDown1;
    QLabel* Label2;
    QLineEdit* InterwalEdit;
    Spinner* UpDown2;
    QGroupBox* GroupBox2;
    QLabel* Label3;
    QComboBox* KategoriaCombo;
    QGroupBox* GroupBox3;
    QCheckBox* AutoStartCheck;

    // The category box's text right after the last filling (Windows-1250).
    std::string PoczatkowaKategoria;

    void FormActivate();
    void SpeedButton2Click();
    void SpeedButton1Click();
    void TloRamkaMouseDown(PictureBox* Sender);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The box's text as the settings store it: the selected item's bytes, or empty.
    [[nodiscard]] std::string tekstKategorii() const;
};

extern TKonfigDialog* KonfigDialog;
