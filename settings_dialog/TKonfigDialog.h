#pragma once

#include "SkinnedDialog.h"

class TKonfigDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TKonfigDialog(QWidget* parent);
};

extern TKonfigDialog* KonfigDialog;
