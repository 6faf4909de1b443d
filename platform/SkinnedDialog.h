#pragma once

#include <QDialog>
#include <QPoint>
#include <optional>

class PictureBox;
class QLabel;

// The frame every dialog of the program wears: borderless, in the strip
// colour, a one-pixel black border painted once at creation (`TloRamka`),
// the title picture (`Image1`) with the white bold title (`NazwaOkna`) on it.
// A dialog opens centred on the screen the first time and afterwards where
// it was last left. Esc and Enter close nothing by themselves.
class SkinnedDialog : public QDialog {
    Q_OBJECT
public:
    SkinnedDialog(QWidget* parent, const QString& caption, QSize clientSize, const QString& title, int titleLeft);

    // Shows the dialog modally; returns when it is closed.
    void Pokaz();

    PictureBox* TloRamka;
    PictureBox* Image1;
    QLabel* NazwaOkna;

    // The title picture turned upside down, stretched over the given place.
    PictureBox* addBottomBar(const QRect& place);

    // The 2 x 33 title-bar picture shared by all dialogs.
    [[nodiscard]] static QImage titlePicture();

protected:
    // A label sized to its text, at its place on the parent.
    static QLabel* etykieta(QWidget* parent, const char* name, const QString& text, QPoint place);
    // Hands the dialog to the window system's interactive move.
    static void startMove(PictureBox* handle);
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::optional<QPoint> lastPlace_;
};
