#pragma once

#include "SkinnedDialog.h"

class TEdytorDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TEdytorDialog(QWidget* parent);
};

extern TEdytorDialog* EdytorDialog;
