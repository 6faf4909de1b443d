#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::setStretched(bool stretched)
{
    stretched_ = stretched;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    if (stretched_)
        painter.drawImage(rect(), picture_);
    else
        painter.drawImage(QPoint(0, 0), picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    lastGlobal_ = event->globalPosition().toPoint();
    if (event->button() == Qt::LeftButton)
        leftDown_ = true;
    emit pressed(event->button(), event->modifiers(), event->position().toPoint());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    if (follow_ == Follow::None)
        return;
    const QPoint delta = event->globalPosition().toPoint() - pressGlobal_;
    QWidget* w = window();
    if (follow_ == Follow::Move)
        w->move(windowStart_ + delta);
    else
        w->resize(std::max(minimumWidth_, widthStart_ + delta.x()), w->height());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasFollowing = follow_ != Follow::None;
    follow_ = Follow::None;
    if (event->button() == Qt::LeftButton && leftDown_) {
        leftDown_ = false;
        if (!wasFollowing && rect().contains(event->position().toPoint()))
            emit clicked();
    }
}

void PictureBox::beginWindowMove()
{
    QWidget* w = window();
    leftDown_ = false;
    if (w->windowHandle() && w->windowHandle()->startSystemMove())
        return;
    follow_ = Follow::Move;
    pressGlobal_ = lastGlobal_;
    windowStart_ = w->pos();
}

void PictureBox::beginWindowResizeRight(int minimumWidth)
{
    QWidget* w = window();
    leftDown_ = false;
    if (w->windowHandle() && w->windowHandle()->startSystemResize(Qt::RightEdge))
        return;
    follow_ = Follow::ResizeRight;
    pressGlobal_ = lastGlobal_;
    widthStart_ = w->width();
    minimumWidth_ = minimumWidth;
}
