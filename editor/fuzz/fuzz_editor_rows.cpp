// Any dictionary file opens in the editor and saves back without drift:
// every loaded cell can be stored, the grid has one row per line, and the
// saved lines load into the same cells (an empty cell, from a missing
// field, comes back as the single space an empty field stands for), after
// which saving changes nothing more.
#include "DictionaryModel.h"
#include "MemoryFile.h"
#include "PlikSlownika.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> linie = PodzielNaLinie(std::string_view(reinterpret_cast<const char*>(data), size));
    DictionaryModel first;
    first.load(linie);
    require(first.rows() == static_cast<int>(linie.size()));
    require(!first.firstUnstorable().has_value());
    const std::vector<std::string> saved = first.lines();

    DictionaryModel second;
    second.load(saved);
    require(second.rows() == first.rows());
    for (int r = 0; r < first.rows(); ++r) {
        for (int c = 0; c < DictionaryModel::Columns; ++c) {
            const QString before = first.text(r, c);
            const QString after = second.text(r, c);
            require(after == before || (before.isEmpty() && after == QStringLiteral(" ")));
        }
    }
    const std::vector<std::string> savedAgain = second.lines();
    DictionaryModel third;
    third.load(savedAgain);
    require(third.lines() == savedAgain);
    return 0;
}
