#include "CategoryItems.h"

#include "Cp1250.h"
#include "ListaSlow.h"
#include "PlikSlownika.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

std::vector<std::string> CategoryItems::of(const std::optional<std::vector<std::string>>& kategorie)
{
    if (!kategorie)
        return {std::string(WszystkieKategorie)};

    // Fixed to Polish so the order does not follow the process's locale.
    QCollator collator{QLocale(QLocale::Polish, QLocale::Poland)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    struct Item {
        QString shown;
        const std::string* bytes;
    };
    std::vector<Item> sorted;
    sorted.reserve(kategorie->size());
    for (const std::string& k : *kategorie)
        sorted.push_back({Cp1250::toUnicode(k), &k});
    std::stable_sort(sorted.begin(), sorted.end(),
                     [&](const Item& a, const Item& b) { return collator.compare(a.shown, b.shown) < 0; });

    std::vector<std::string> items;
    items.reserve(sorted.size());
    for (const Item& item : sorted)
        items.push_back(*item.bytes);
    return items;
}

std::optional<std::size_t> CategoryItems::find(const std::vector<std::string>& items, std::string_view kategoria)
{
    const auto it = std::find_if(items.begin(), items.end(),
                                 [&](const std::string& item) { return TakieSame(item, kategoria); });
    if (it == items.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - items.begin());
}
