#pragma once

#include "navigation/Pane.h"

// A drop area that reports the one file dropped on it.
class MoreStuffPane final : public Pane
{
    Q_OBJECT

public:
    explicit MoreStuffPane(QWidget *parent = nullptr);
};
