#pragma once

#include "SpinnerRange.h"

#include <QWidget>

class QLineEdit;
class QToolButton;

// An up-down spinner attached to a read-only edit: its arrows, and the Up
// and Down keys while the edit has the focus, step the number the edit
// shows. The arrows never take the focus.
class Spinner final : public QWidget {
    Q_OBJECT
public:
    Spinner(QLineEdit* buddy, SpinnerRange range, QWidget* parent);

    // The number the edit shows; a text that is no number counts as the
    // range's minimum (the edit takes no typing, so only a bug could bring one).
    [[nodiscard]] std::int32_t value() const;
    void setValue(std::int32_t value);
    void step(int direction);

    [[nodiscard]] const SpinnerRange& range() const { return range_; }
    QToolButton* upButton;
    QToolButton* downButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* buddy_;
    SpinnerRange range_;
};
