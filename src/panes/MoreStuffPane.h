#pragma once

#include "DropDelegate.h"
#include "navigation/Pane.h"

// A drop area that reports the one file dropped on it.
class MoreStuffPane final
    : public Pane
    , public DropDelegate
{
    Q_OBJECT

public:
    explicit MoreStuffPane(QWidget *parent = nullptr);

    void dropEntered() override;
    void dropExited() override;
    bool performDrop(const QList<QUrl> &urls) override;
};
