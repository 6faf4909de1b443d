#pragma once

#include "Plotno.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QWidget>

// The ticker's drawing surface. Qt draws on a widget only inside its paint
// event, so the box keeps a retained image that stands for the screen pixels
// under it: frames draw into the image, the paint event shows it over the
// skin. Transparent at first; wiped by a full repaint of the main window.
//
// Texts are drawn in the widget's font made bold, without anti-aliasing:
// the ticker erases a text by drawing it again in the strip colour, which
// restores every pixel only when each pixel is either ink or untouched.
class TPaintBox final : public QWidget, public Plotno {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    [[nodiscard]] QImage& surface() { return surface_; }
    [[nodiscard]] const QImage& surface() const { return surface_; }
    // Drops everything drawn so far.
    void wyczysc();

    // The picture rysujObrazek draws, its key colour already transparent.
    void setSeparator(const QImage& picture);
    [[nodiscard]] const QFont& tickerFont() const { return tickerFont_; }

    [[nodiscard]] int szerokosc() const override;
    [[nodiscard]] int szerokoscTekstu(std::string_view tekst) override;
    void rysujTekst(int x, int y, std::string_view tekst, std::uint32_t kolor) override;
    void wypelnij(int lewo, int gora, int prawo, int dol, std::uint32_t kolor) override;
    void rysujObrazek(int x, int y) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateTickerFont();
    // A hidden widget gets its resize event only when shown; frames may
    // draw before that.
    void adoptSize(const QSize& size);

    QImage surface_;
    QImage separator_;
    QFont tickerFont_;
    QFontMetrics metrics_;
};
