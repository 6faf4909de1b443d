#include "DictionarySearch.h"

#include "DictionaryModel.h"

std::optional<std::pair<int, int>> DictionarySearch::next(const DictionaryModel& model, const QString& needle)
{
    const auto found = model.find(needle, startRow_);
    if (found)
        startRow_ = found->first + 1;
    return found;
}
