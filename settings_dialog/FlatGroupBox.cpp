#include "FlatGroupBox.h"

#include <QPainter>

FlatGroupBox::FlatGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent)
{
    setFlat(true);
    // Painted like a window of its own, above the pictures it overlaps.
    setAutoFillBackground(true);
}

void FlatGroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int middle = metrics.height() / 2;
    painter.setPen(Qt::black);
    painter.drawRect(QRect(0, middle, width() - 1, height() - 1 - middle));
    const QRect caption(8, 0, metrics.horizontalAdvance(title()), metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, title());
}
