#pragma once

#include <QFont>

// The program's one typeface, shipped inside the program (DejaVu Sans, which
// has every Polish letter and a real bold), so every desktop draws the same.
class AppFonts final {
public:
    // Registers the embedded faces; call once after the application object exists.
    static void install();
    // The windows' font: character height 13 px.
    [[nodiscard]] static QFont windowFont();
    // The licence text's font: character height 12 px.
    [[nodiscard]] static QFont memoFont();
};
