#include "TEdytorDialog.h"

TEdytorDialog* EdytorDialog = nullptr;

TEdytorDialog::TEdytorDialog(QWidget* parent)
    : SkinnedDialog(parent, QStringLiteral("Edycja słownika"), QSize(592, 366), QStringLiteral("EDYCJA SŁOWNIKA"), 240)
{
    EdytorDialog = this;
}
