#include "SkinnedDialog.h"

#include "AppFonts.h"
#include "Colours.h"
#include "PictureBox.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

SkinnedDialog::SkinnedDialog(QWidget* parent, const QString& caption, QSize clientSize, const QString& title,
                             int titleLeft)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setFont(AppFonts::windowFont());
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, Colours::Strip);
    setPalette(face);

    // The frame picture: black all over, the strip colour inside a one-pixel border.
    QImage frame(clientSize, QImage::Format_RGB32);
    frame.fill(Qt::black);
    {
        QPainter painter(&frame);
        painter.fillRect(QRect(QPoint(1, 1), QPoint(clientSize.width() - 2, clientSize.height() - 2)), Colours::Strip);
    }
    TloRamka = new PictureBox(this);
    TloRamka->setObjectName(QStringLiteral("TloRamka"));
    TloRamka->setGeometry(QRect(QPoint(0, 0), clientSize));
    TloRamka->setPicture(frame);

    Image1 = new PictureBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(1, 1, clientSize.width() - 2, 33);
    Image1->setStretched(true);
    Image1->setPicture(titlePicture());
    connect(Image1, &PictureBox::pressed, this, [this] { startMove(Image1); });

    NazwaOkna = new QLabel(title, this);
    NazwaOkna->setObjectName(QStringLiteral("NazwaOkna"));
    QFont bold = font();
    bold.setBold(true);
    NazwaOkna->setFont(bold);
    NazwaOkna->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    NazwaOkna->adjustSize();
    NazwaOkna->move(titleLeft, 2);
}

QImage SkinnedDialog::titlePicture()
{
    return QImage(QStringLiteral(":/skin/pasek.png"));
}

PictureBox* SkinnedDialog::addBottomBar(const QRect& place)
{
    auto* bar = new PictureBox(this);
    bar->setObjectName(QStringLiteral("Image2"));
    bar->setGeometry(place);
    bar->setStretched(true);
    bar->setPicture(titlePicture().mirrored(false, true));
    bar->stackUnder(NazwaOkna);
    return bar;
}

QLabel* SkinnedDialog::etykieta(QWidget* parent, const char* name, const QString& text, QPoint place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->adjustSize();
    label->move(place);
    return label;
}

void SkinnedDialog::startMove(PictureBox* handle)
{
    handle->beginWindowMove();
}

void SkinnedDialog::Pokaz()
{
    if (lastPlace_) {
        move(*lastPlace_);
    } else {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
        move(area.topLeft() + QPoint((area.width() - width()) / 2, (area.height() - height()) / 2));
    }
    exec();
}

void SkinnedDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void SkinnedDialog::hideEvent(QHideEvent* event)
{
    lastPlace_ = pos();
    QDialog::hideEvent(event);
}
