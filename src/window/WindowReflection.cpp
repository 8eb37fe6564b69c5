#include "WindowReflection.h"

#include <QTimer>

WindowReflection::WindowReflection(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("windowReflection"));
    // Hidden for good: it draws nothing and takes no room, yet still knows its window.
    hide();
    QTimer::singleShot(0, this, &WindowReflection::capture);
}

void WindowReflection::capture()
{
    // Outside any window, or in one whose native window does not exist yet: that is "none".
    QWidget *host = parentWidget() ? window() : nullptr;
    m_window = host && host->windowHandle() ? host : nullptr;
    emit captured(m_window);
}
