#pragma once

#include <QString>

#include <optional>
#include <utility>

class DictionaryModel;

// The editor's search: where the next press starts, and the step itself.
// Each match moves the start to the row after it, so a second match in the
// same row is passed over; a miss leaves the start where it was. It does not
// show anything: the dialog selects the cell or says that nothing was found.
class DictionarySearch final {
public:
    // The first row of the model, as after a change of the search text.
    void restart() { startRow_ = 0; }
    [[nodiscard]] int startRow() const { return startRow_; }

    // The cell (row, column) holding the needle, from the start row on.
    [[nodiscard]] std::optional<std::pair<int, int>> next(const DictionaryModel& model, const QString& needle);

private:
    int startRow_ = 0;
};
