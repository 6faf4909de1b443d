#pragma once

#include "SkinnedDialog.h"

class TOprogramieDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    explicit TOprogramieDialog(QWidget* parent);
};

extern TOprogramieDialog* OprogramieDialog;
