#pragma once

#include "Pane.h"

// What the detail column shows while no sidebar entry is selected.
class EmptyPane final : public Pane
{
    Q_OBJECT

public:
    explicit EmptyPane(QWidget *parent = nullptr);
};
