#include "WindowReflection.h"

#include <QEvent>
#include <QTimer>

WindowReflection::WindowReflection(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("windowReflection"));
    // Hidden for good: it draws nothing and takes no room, yet still knows its window.
    hide();
    watchWindow();
    // Whoever made it connects first; a window that is already there is reported then.
    QTimer::singleShot(0, this, &WindowReflection::capture);
}

bool WindowReflection::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange) {
        watchWindow();
        if (m_watched && m_watched->windowHandle())
            capture();
    }
    return QWidget::event(event);
}

bool WindowReflection::eventFilter(QObject *watched, QEvent *event)
{
    // A show from the program, not the window system giving back a minimized window; a new native
    // window, as when the window is created for the first time or made anew.
    if (watched == m_watched && ((event->type() == QEvent::Show && !event->spontaneous()) ||
                                 event->type() == QEvent::WinIdChange))
        // Looked up once the show is done and the window is mapped, as at the first look-up.
        QMetaObject::invokeMethod(this, &WindowReflection::capture, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void WindowReflection::watchWindow()
{
    QWidget *host = parentWidget() ? window() : nullptr;
    if (host == m_watched)
        return;
    if (m_watched)
        m_watched->removeEventFilter(this);
    m_watched = host;
    if (host)
        host->installEventFilter(this);
}

void WindowReflection::capture()
{
    // Outside any window, or in one whose native window does not exist yet: that is "none".
    m_window = m_watched && m_watched->windowHandle() ? m_watched.data() : nullptr;
    emit captured(m_window);
}
