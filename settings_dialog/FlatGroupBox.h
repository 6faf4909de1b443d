#pragma once

#include <QGroupBox>

// A flat group box as the settings dialog wears it: a one-pixel black line
// round it at half the caption's height, broken by the caption, whose
// leading and trailing spaces show as gaps in the line. Painted here rather
// than by a style sheet, which would cut its children off the dialog's font.
class FlatGroupBox final : public QGroupBox {
    Q_OBJECT
public:
    FlatGroupBox(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
