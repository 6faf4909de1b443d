#pragma once

#include "SkinnedDialog.h"

class TDownloadDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TDownloadDialog(QWidget* parent);
};

extern TDownloadDialog* DownloadDialog;
