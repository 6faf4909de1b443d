#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

// A picture on a window, shown at its own size or stretched to the widget.
// It reports presses and clicks, and can hand its window to the window
// system's interactive move or right-edge resize; where the window system
// cannot (no window manager), it follows the mouse itself until release.
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    [[nodiscard]] const QImage& picture() const { return picture_; }
    void setStretched(bool stretched);

    // Call from a press handler.
    void beginWindowMove();
    void beginWindowResizeRight(int minimumWidth);

signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Follow { None, Move, ResizeRight };

    QImage picture_;
    bool stretched_ = false;
    bool leftDown_ = false;
    Follow follow_ = Follow::None;
    QPoint pressGlobal_;
    QPoint windowStart_;
    int widthStart_ = 0;
    int minimumWidth_ = 0;
    QPoint lastGlobal_;
};
