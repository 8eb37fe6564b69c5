#pragma once

#include <QWidget>

class DropDelegate;

// A rounded, translucent area with a dashed border inside its edge that takes drags carrying
// file URLs and hands their events to a delegate.
class DropTarget final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize fixedSize{220, 140};

    explicit DropTarget(QWidget *parent = nullptr);

    // The delegate must outlive the area or be cleared.
    void setDelegate(DropDelegate *delegate) { m_delegate = delegate; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    DropDelegate *m_delegate = nullptr;
};
