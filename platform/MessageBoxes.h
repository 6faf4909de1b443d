#pragma once

#include <QString>

#include <functional>

class QWidget;

enum class BoxKind { Warning, Error, Information, Confirm };

// Buttons of a box, combined as flags; also the answer of a box.
enum BoxButton : int { BoxOk = 1, BoxCancel = 2, BoxYes = 4, BoxNo = 8 };

struct BoxRecord {
    BoxKind kind;
    QString title;
    QString text;
    int buttons;
};

// The four kinds of modal message box, titled "Warning", "Error",
// "Information" and "Confirm", with the buttons "OK", "Cancel", "&Yes" and
// "&No". A text of two lines carries CR LF between them. Closing a box by
// its window's close control answers BoxCancel.
class MessageBoxes final {
public:
    static BoxButton show(BoxKind kind, const QString& text, int buttons);
    // As show(), with a window title of the caller's (the default error report).
    static BoxButton showTitled(BoxKind kind, const QString& title, const QString& text, int buttons);

    // Tests answer boxes without showing them; the responder sees each box.
    using Responder = std::function<BoxButton(const BoxRecord&)>;
    static void setResponder(Responder responder);

    [[nodiscard]] static QString titleOf(BoxKind kind);
};
