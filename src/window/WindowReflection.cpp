#include "WindowReflection.h"

#include <QTimer>
#include <QWindow>

WindowReflection::WindowReflection(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("windowReflection"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Hidden for good: it draws nothing and takes no room, yet still knows its window.
    hide();
    QTimer::singleShot(0, this, &WindowReflection::capture);
}

void WindowReflection::capture()
{
    // A widget outside any window has no parent chain to a created top level: that is "none".
    QWindow *found = parentWidget() ? window()->windowHandle() : nullptr;
    m_window = found;
    emit captured(found);
}
