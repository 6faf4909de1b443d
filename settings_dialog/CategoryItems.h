#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the settings dialog's category box offers and which item it selects.
// Texts are Windows-1250 bytes, as in the word list.
class CategoryItems final {
public:
    // A copy of the category list in the box's order: alphabetical by the
    // Polish alphabet, letter case ignored; items equal that way keep their
    // order. Without a list (the first load could not read the dictionary)
    // the box offers the all-categories marker alone.
    [[nodiscard]] static std::vector<std::string> of(const std::optional<std::vector<std::string>>& kategorie);

    // The first item that is the category with letter case ignored.
    [[nodiscard]] static std::optional<std::size_t> find(const std::vector<std::string>& items,
                                                         std::string_view kategoria);
};
