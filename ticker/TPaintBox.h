#pragma once

#include <QImage>
#include <QWidget>

// The ticker's drawing surface. Qt draws on a widget only inside its paint
// event, so the box keeps a retained image that stands for the screen pixels
// under it: frames draw into the image, the paint event shows it over the
// skin. Transparent at first; wiped by a full repaint of the main window.
class TPaintBox final : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    [[nodiscard]] QImage& surface() { return surface_; }
    [[nodiscard]] const QImage& surface() const { return surface_; }
    // Drops everything drawn so far.
    void wyczysc();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage surface_;
};
