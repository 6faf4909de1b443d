#include "TDownloadDialog.h"

TDownloadDialog* DownloadDialog = nullptr;

TDownloadDialog::TDownloadDialog(QWidget* parent)
    : SkinnedDialog(parent, QStringLiteral("Pobieranie słownika"), QSize(306, 86), QStringLiteral("POBIERANIE NOWEGO SŁOWNIKA"), 48)
{
    DownloadDialog = this;
}
