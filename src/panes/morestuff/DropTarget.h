#pragma once

#include "panes/morestuff/core/FileDrop.h"

#include <QWidget>

// A rounded, translucent area with a dashed border inside its edge that takes drags carrying
// file URLs. It takes a drop only when the drop decision accepts it, and tells what happened.
class DropTarget final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize fixedSize{220, 140};

    explicit DropTarget(QWidget *parent = nullptr);

signals:
    void dropEntered();
    void dropExited();
    // A drop was released over the area, taken or refused as drop.accepted says.
    void dropPerformed(const FileDrop &drop);

protected:
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
