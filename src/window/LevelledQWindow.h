#pragma once

#include "LevelledWindow.h"

#include <QPointer>
#include <QWindow>

// The window-level rule's view of a real window. The on-top level is the stays-on-top hint, set on
// the QWindow itself: QWidget::setWindowFlags would recreate the native window and hide it. On X11
// the hint becomes _NET_WM_STATE_ABOVE; Wayland has no such request, so there the choice is only
// stored. A window that has closed in the meantime is left alone.
class LevelledQWindow final : public LevelledWindow
{
public:
    explicit LevelledQWindow(QWindow *window);

    void raise() override;
    void activate() override;
    void setLevel(Level level) override;

private:
    QPointer<QWindow> m_window;
};
