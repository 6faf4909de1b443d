#include "TKonfigDialog.h"

TKonfigDialog* KonfigDialog = nullptr;

TKonfigDialog::TKonfigDialog(QWidget* parent)
    : SkinnedDialog(parent, QStringLiteral("Konfiguracja"), QSize(306, 314), QStringLiteral("KONFIGURACJA"), 104)
{
    KonfigDialog = this;
}
