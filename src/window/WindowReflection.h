#pragma once

#include <QPointer>
#include <QWidget>

// An invisible widget that finds out which window it lives in. A widget learns its window only
// after it has been put into one and that window has been created, so the window is read one
// event-loop turn after the reflection is made. It is read once: later moves are not followed. The
// window is held weakly, so a closed window never dangles and is never kept alive by it.
class WindowReflection final : public QWidget
{
    Q_OBJECT

public:
    explicit WindowReflection(QWidget *parent);

    // The captured top-level window; null before the capture, when the capture found none, and
    // once that window has been destroyed.
    QWidget *hostWindow() const { return m_window; }

signals:
    // Emitted once, when the capture has run, with the window found then (possibly null).
    void captured(QWidget *window);

private:
    void capture();

    QPointer<QWidget> m_window;
};
