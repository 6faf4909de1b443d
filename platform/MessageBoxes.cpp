#include "MessageBoxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {

MessageBoxes::Responder& responder()
{
    static MessageBoxes::Responder r;
    return r;
}

// A message box that tells a close by its window control from a button press.
class Box final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool closedByControl = false;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        closedByControl = true;
        event->accept();
        QDialog::reject();
    }
};

QMessageBox::Icon iconOf(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Warning:
        return QMessageBox::Warning;
    case BoxKind::Error:
        return QMessageBox::Critical;
    case BoxKind::Information:
        return QMessageBox::Information;
    case BoxKind::Confirm:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString MessageBoxes::titleOf(BoxKind kind)
{
    switch (kind) {
    case BoxKind::Warning:
        return QStringLiteral("Warning");
    case BoxKind::Error:
        return QStringLiteral("Error");
    case BoxKind::Information:
        return QStringLiteral("Information");
    case BoxKind::Confirm:
        return QStringLiteral("Confirm");
    }
    return {};
}

void MessageBoxes::setResponder(Responder r)
{
    responder() = std::move(r);
}

BoxButton MessageBoxes::show(BoxKind kind, const QString& text, int buttons)
{
    return showTitled(kind, titleOf(kind), text, buttons);
}

BoxButton MessageBoxes::showTitled(BoxKind kind, const QString& title, const QString& text, int buttons)
{
    if (responder())
        return responder()(BoxRecord{kind, title, text, buttons});

    Box box(iconOf(kind), title, QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
            QMessageBox::NoButton, QApplication::activeWindow());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    struct Choice {
        const char* caption;
        BoxButton button;
        QMessageBox::ButtonRole role;
    };
    const Choice choices[] = {
        {"&Yes", BoxYes, QMessageBox::YesRole},
        {"&No", BoxNo, QMessageBox::NoRole},
        {"OK", BoxOk, QMessageBox::AcceptRole},
        {"Cancel", BoxCancel, QMessageBox::RejectRole},
    };
    std::vector<std::pair<QAbstractButton*, BoxButton>> made;
    for (const auto& choice : choices) {
        if (buttons & choice.button)
            made.emplace_back(box.addButton(QString::fromLatin1(choice.caption), choice.role), choice.button);
    }
    if (!made.empty())
        box.setDefaultButton(static_cast<QPushButton*>(made.front().first));
    box.exec();
    if (box.closedByControl)
        return BoxCancel;
    for (const auto& [widget, button] : made) {
        if (box.clickedButton() == widget)
            return button;
    }
    return BoxCancel;
}
