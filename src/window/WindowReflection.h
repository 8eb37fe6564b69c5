#pragma once

#include <QPointer>
#include <QWidget>

// An invisible widget that follows the window it lives in. A widget learns its window only once it
// has been put into one and that window has a native window, which may be long after the widget
// is made (a second main window, a window opened after a reply), so the window is looked up one
// event-loop turn after the reflection is made and again whenever the window is shown or gets a
// native window, and after the reflection moves to another window. The window is held weakly, so a
// closed window never dangles and is never kept alive by it.
class WindowReflection final : public QWidget
{
    Q_OBJECT

public:
    explicit WindowReflection(QWidget *parent);

    // The top-level window with a native window; null before the first look-up, while the window
    // has no native window, and once that window has been destroyed.
    QWidget *hostWindow() const { return m_window; }

signals:
    // The window was looked up: once after the reflection is made (possibly null), then each time
    // the window is shown or has a new native window.
    void captured(QWidget *window);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchWindow();
    void capture();

    QPointer<QWidget> m_watched;
    QPointer<QWidget> m_window;
};
