#pragma once

#include "Plotno.h"
#include "StanSlow.h"
#include "TSlowo.h"

#include <cstdint>
#include <string>

// One frame of the ticker. The strip is never cleared: a frame overdraws, in
// the strip colour, exactly what the previous frame drew, and draws the same
// texts again Piksele pixels further left. PozycjaX and PierwszeSlowo say
// where the previous frame drew the leftmost entry, so the erase lands on it
// whatever the step was then. Drawing and measuring go through the canvas;
// the frame keeps no pixels and caches no widths.

namespace Ticker {
inline constexpr std::uint32_t KolorPaska = 0x1A99CC;
inline constexpr std::uint32_t KolorTekstu = 0xFFFFFF;
// From the end of one entry's text to the start of the next one's.
inline constexpr int Odstep = 20;
// Added after the last entry, before the list starts again.
inline constexpr int OdstepPoOstatnim = 100;
// The separator picture's top-left corner, relative to its entry's text.
inline constexpr int ObrazekX = -18;
inline constexpr int ObrazekY = 3;
inline constexpr int ObrazekSzerokosc = 14;
inline constexpr int ObrazekWysokosc = 13;
} // namespace Ticker

// "Polski- Angielski"; the first part is held, like the Polish text itself,
// in a fixed-capacity string that always has room for it.
[[nodiscard]] std::string TekstSlowa(const TSlowo& slowo);

// Draws one frame and advances the state. With no entries it draws nothing
// and changes nothing. Every entry that has wholly left the strip (its text
// and the gap after it left of x = 0) retires at once, so a step wider than
// the entries cannot leave PozycjaX trailing ever further behind; for steps
// that one retirement per frame keeps up with, the picture is the same.
// PozycjaX stays within a range where all arithmetic is exact: far right of
// any possible strip for a negative step, and never below what a single
// frame's step can reach.
void RysujKlatke(StanSlow& stan, std::int32_t piksele, Plotno& plotno);
