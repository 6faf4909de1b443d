#include "Spinner.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace {

QToolButton* arrow(QWidget* parent, Qt::ArrowType type)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(type);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    return button;
}

} // namespace

Spinner::Spinner(QLineEdit* buddy, SpinnerRange range, QWidget* parent)
    : QWidget(parent), upButton(arrow(this, Qt::UpArrow)), downButton(arrow(this, Qt::DownArrow)), buddy_(buddy),
      range_(range)
{
    upButton->setObjectName(QStringLiteral("up"));
    downButton->setObjectName(QStringLiteral("down"));
    connect(upButton, &QToolButton::clicked, this, [this] { step(+1); });
    connect(downButton, &QToolButton::clicked, this, [this] { step(-1); });
    buddy_->installEventFilter(this);
}

std::int32_t Spinner::value() const
{
    return SpinnerRange::number(buddy_->text().toStdString()).value_or(range_.minimum());
}

void Spinner::setValue(std::int32_t value)
{
    buddy_->setText(QString::fromStdString(SpinnerRange::text(value)));
}

void Spinner::step(int direction)
{
    setValue(range_.stepped(value(), direction));
}

bool Spinner::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Spinner::resizeEvent(QResizeEvent*)
{
    const int upper = height() / 2;
    upButton->setGeometry(0, 0, width(), upper);
    downButton->setGeometry(0, upper, width(), height() - upper);
}
