#pragma once

#include <cstdint>
#include <string_view>

// The drawing surface a ticker frame works on: the paint box in the program,
// a recorder or a plain image in tests. Origin at the top-left corner,
// everything outside the bounds clipped. Texts are Windows-1250 bytes drawn
// in the ticker font; colours are 0xRRGGBB.
class Plotno {
public:
    virtual ~Plotno() = default;

    // Width of the surface now; it follows the window between frames.
    [[nodiscard]] virtual int szerokosc() const = 0;
    [[nodiscard]] virtual int szerokoscTekstu(std::string_view tekst) = 0;
    // The top-left corner of the text's line at (x, y); glyph pixels only.
    virtual void rysujTekst(int x, int y, std::string_view tekst, std::uint32_t kolor) = 0;
    // From (lewo, gora) to (prawo, dol), right and bottom edges excluded.
    virtual void wypelnij(int lewo, int gora, int prawo, int dol, std::uint32_t kolor) = 0;
    // The separator picture with its top-left corner at (x, y), its key
    // colour left out.
    virtual void rysujObrazek(int x, int y) = 0;

protected:
    Plotno() = default;
    Plotno(const Plotno&) = default;
    Plotno& operator=(const Plotno&) = default;
};
