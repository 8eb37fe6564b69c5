#pragma once

#include "common/AuxiliaryWindow.h"

// A window with the application's attributions. Every request builds a new one, centred on the
// screen above ordinary windows; the user may resize it, never below its content's minimum.
class AttributionsWindow final : public AuxiliaryWindow
{
    Q_OBJECT

public:
    explicit AttributionsWindow(QWidget *parent = nullptr);
};

// Opens a new Attributions window. The caller need not keep the result.
AttributionsWindow *openAttributionsWindow();
