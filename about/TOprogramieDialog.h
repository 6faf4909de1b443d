#pragma once

#include "SkinnedDialog.h"

#include <QUrl>

#include <functional>

class QLabel;
class QPlainTextEdit;

// The About box: the licence agreement, the author line and the maker's
// logo, which opens the vendor's home page. A click on the background or on
// the "X" closes it; it has no buttons, so Esc and Enter do nothing.
class TOprogramieDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TOprogramieDialog(QWidget* parent);
    ~TOprogramieDialog() override;

    QLabel* Label1;
    QLabel* Label2;
    PictureBox* Image2;
    PictureBox* Image3;
    QLabel* Label3;
    QPlainTextEdit* LicencjaMemo;

    void TloRamkaClick();
    void Label3Click();
    void Image2Click();

    // The vendor's home page, a build setting.
    [[nodiscard]] static QUrl stronaDomowa();
    // Opens a web page in the desktop's browser; tests put a recorder here.
    static std::function<void(const QUrl&)> otworzStrone;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool label3Wcisniety_ = false;
};

extern TOprogramieDialog* OprogramieDialog;
