#include "TPaintBox.h"

#include "Cp1250.h"
#include "KlatkaTickera.h"

#include <QEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent), metrics_(font())
{
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    updateTickerFont();
}

void TPaintBox::wyczysc()
{
    adoptSize(size());
    surface_.fill(Qt::transparent);
    update();
}

void TPaintBox::setSeparator(const QImage& picture)
{
    if (picture.cacheKey() != separator_.cacheKey())
        separator_ = picture;
}

void TPaintBox::updateTickerFont()
{
    tickerFont_ = font();
    tickerFont_.setBold(true);
    tickerFont_.setStyleStrategy(QFont::NoAntialias);
    metrics_ = QFontMetrics(tickerFont_);
}

int TPaintBox::szerokosc() const
{
    return width();
}

int TPaintBox::szerokoscTekstu(std::string_view tekst)
{
    return metrics_.horizontalAdvance(Cp1250::toUnicode(tekst));
}

void TPaintBox::rysujTekst(int x, int y, std::string_view tekst, std::uint32_t kolor)
{
    adoptSize(size());
    // Nothing of a text that starts at the right edge or beyond can show.
    if (x >= surface_.width())
        return;
    QPainter painter(&surface_);
    painter.setFont(tickerFont_);
    painter.setPen(QColor::fromRgb(kolor));
    painter.drawText(QPoint(x, y + metrics_.ascent()), Cp1250::toUnicode(tekst));
}

void TPaintBox::wypelnij(int lewo, int gora, int prawo, int dol, std::uint32_t kolor)
{
    adoptSize(size());
    if (prawo <= lewo || dol <= gora)
        return;
    QPainter painter(&surface_);
    painter.fillRect(QRect(QPoint(lewo, gora), QPoint(prawo - 1, dol - 1)), QColor::fromRgb(kolor));
}

void TPaintBox::rysujObrazek(int x, int y)
{
    adoptSize(size());
    if (separator_.isNull() || x >= surface_.width() || x + separator_.width() <= 0)
        return;
    QPainter painter(&surface_);
    painter.drawImage(QPoint(x, y), separator_);
}

void TPaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), surface_);
}

void TPaintBox::resizeEvent(QResizeEvent* event)
{
    adoptSize(event->size());
}

void TPaintBox::adoptSize(const QSize& size)
{
    if (size == surface_.size())
        return;
    // The pixels already drawn stay where they are; new area starts empty.
    QImage grown(size, QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    if (!surface_.isNull()) {
        QPainter painter(&grown);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), surface_);
        // A frame stops at the first entry that starts at or beyond the right
        // edge and so never erases that entry's separator just left of it:
        // after narrowing, drop what the previous frame drew there.
        if (size.width() < surface_.width()) {
            const int cut = std::max(size.width() + Ticker::ObrazekX, 0);
            painter.fillRect(QRect(cut, 0, size.width() - cut, size.height()), Qt::transparent);
        }
    }
    surface_ = grown;
}

void TPaintBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        updateTickerFont();
    QWidget::changeEvent(event);
}
