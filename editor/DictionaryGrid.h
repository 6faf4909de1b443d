#pragma once

#include <QTableView>

#include <functional>

// The editor's string grid on a view of our own model. It reports every Tab
// (and Shift+Tab) before handling it, whether the cell is being edited or
// not, so that the editor can add a row first; the grid then moves as usual.
class DictionaryGrid final : public QTableView {
    Q_OBJECT
public:
    explicit DictionaryGrid(QWidget* parent = nullptr);

    // Called with the key code before the grid handles a Tab.
    std::function<void(int key)> keyDown;

protected:
    bool event(QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
};
