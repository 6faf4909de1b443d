#include "TOprogramieDialog.h"

#include "AppFonts.h"
#include "KeyedPicture.h"
#include "PictureBox.h"

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>

TOprogramieDialog* OprogramieDialog = nullptr;

std::function<void(const QUrl&)> TOprogramieDialog::otworzStrone = [](const QUrl& url) {
    // The desktop's answer is of no interest: when it cannot open the page, nothing happens.
    QDesktopServices::openUrl(url);
};

namespace {

PictureBox* obrazek(QWidget* parent, const char* name, const QString& resource, const QRect& place)
{
    auto* picture = new PictureBox(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setPicture(KeyedPicture::load(resource));
    picture->setGeometry(place);
    return picture;
}

QString tekstLicencji()
{
    QFile file(QStringLiteral(":/about/licencja.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    // The file ends its last line; the memo would show that as one more, empty line.
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

} // namespace

TOprogramieDialog::TOprogramieDialog(QWidget* parent)
    : SkinnedDialog(parent, QStringLiteral("O programie"), QSize(306, 293), QStringLiteral("O PROGRAMIE"), 110)
{
    OprogramieDialog = this;

    Label1 = etykieta(this, "Label1", QStringLiteral("Autor: Orlenta Vandra, © 2026"), QPoint(18, 208));
    Label2 = etykieta(this, "Label2", QStringLiteral("Licencja:"), QPoint(16, 40));

    Image2 = obrazek(this, "Image2", QStringLiteral(":/about/pictures/Image2.png"), QRect(56, 240, 192, 28));
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->setToolTip(QStringLiteral("Odwiedź nas!"));

    Image3 = obrazek(this, "Image3", QStringLiteral(":/about/pictures/Image3.png"), QRect(240, 240, 60, 46));

    Label3 = etykieta(this, "Label3", QStringLiteral("X"), QPoint(290, 3));
    QFont bold = font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label3->adjustSize();
    Label3->installEventFilter(this);

    LicencjaMemo = new QPlainTextEdit(this);
    LicencjaMemo->setObjectName(QStringLiteral("LicencjaMemo"));
    LicencjaMemo->setGeometry(16, 56, 273, 145);
    LicencjaMemo->setFont(AppFonts::memoFont());
    QPalette memo = LicencjaMemo->palette();
    memo.setColor(QPalette::Base, QColor(91, 194, 234));
    LicencjaMemo->setPalette(memo);
    LicencjaMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    LicencjaMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LicencjaMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    LicencjaMemo->setPlainText(tekstLicencji());
    LicencjaMemo->setReadOnly(true);
    // Read-only, yet the keyboard moves through the text as in any memo.
    LicencjaMemo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    LicencjaMemo->setTabChangesFocus(true);
    LicencjaMemo->setFocusPolicy(Qt::StrongFocus);

    connect(TloRamka, &PictureBox::clicked, this, &TOprogramieDialog::TloRamkaClick);
    connect(Image2, &PictureBox::clicked, this, &TOprogramieDialog::Image2Click);
}

TOprogramieDialog::~TOprogramieDialog()
{
    if (OprogramieDialog == this)
        OprogramieDialog = nullptr;
}

QUrl TOprogramieDialog::stronaDomowa()
{
    return QUrl(QStringLiteral(SLOWNIK_HOME_PAGE));
}

void TOprogramieDialog::showEvent(QShowEvent* event)
{
    SkinnedDialog::showEvent(event);
    LicencjaMemo->setFocus();
}

bool TOprogramieDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label3) {
        // A click: the left button pressed and released over the "X".
        if (event->type() == QEvent::MouseButtonPress) {
            label3Wcisniety_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool klik = label3Wcisniety_ && mouse->button() == Qt::LeftButton &&
                              Label3->rect().contains(mouse->position().toPoint());
            label3Wcisniety_ = false;
            if (klik)
                Label3Click();
            return true;
        }
    }
    return SkinnedDialog::eventFilter(watched, event);
}

void TOprogramieDialog::TloRamkaClick()
{
    reject();
}

void TOprogramieDialog::Label3Click()
{
    reject();
}

void TOprogramieDialog::Image2Click()
{
    otworzStrone(stronaDomowa());
}
