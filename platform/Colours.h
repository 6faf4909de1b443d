#pragma once

#include <QColor>

// The colours the whole program is painted in.
namespace Colours {
// Ticker background and erase colour, face of every dialog.
inline const QColor Strip{26, 153, 204};
// The skin's red.
inline const QColor SkinRed{183, 16, 8};
} // namespace Colours
