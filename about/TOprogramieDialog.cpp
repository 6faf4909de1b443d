#include "TOprogramieDialog.h"

TOprogramieDialog* OprogramieDialog = nullptr;

TOprogramieDialog::TOprogramieDialog(QWidget* parent)
    : SkinnedDialog(parent, QStringLiteral("O programie"), QSize(306, 293), QStringLiteral("O PROGRAMIE"), 110)
{
    OprogramieDialog = this;
}
