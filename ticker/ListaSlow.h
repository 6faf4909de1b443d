#pragma once

#include "StanSlow.h"

#include <functional>
#include <string>
#include <string_view>

// The category setting that keeps every entry; also the head of Kategorie.
inline constexpr std::string_view WszystkieKategorie = "*wszystkie";

// Builds the word list and the category list from a dictionary file in one
// pass over its lines, last line first, so that entry 0 is the file's last
// kept line. An entry is kept when the setting is the all-categories marker
// or equals its category byte for byte. Kategorie collects the category of
// every line (filtered or not), each once by TakieSame, spelled as first met.
//
// Any failure (the file cannot be read, a line with fewer than three fields,
// memory) calls pokazBlad, which shows the error box and returns once it is
// closed, and then leaves the single fallback entry. Kategorie is left as
// the failure found it. Frames keep running while the box is open, so the
// list is consistent at that point too: PierwszeSlowo < LiczbaSlow <=
// Slowa.size(), or LiczbaSlow is 0.
void WczytajListeSlow(StanSlow& stan, const std::string& plik, std::string_view kategoria,
                      const std::function<void()>& pokazBlad);
