#include "TPaintBox.h"

#include <QPainter>
#include <QResizeEvent>

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void TPaintBox::wyczysc()
{
    surface_.fill(Qt::transparent);
    update();
}

void TPaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), surface_);
}

void TPaintBox::resizeEvent(QResizeEvent* event)
{
    // The pixels already drawn stay where they are; new area starts empty.
    QImage grown(event->size(), QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    if (!surface_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(QPoint(0, 0), surface_);
    }
    surface_ = grown;
}
