#include "AppDelegate.h"

#include "commands/MenuBarButton.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent)
{
    // Closing the last window ends the application, whatever else (a tray icon) is still there.
    QGuiApplication::setQuitOnLastWindowClosed(true);
}

void AppDelegate::finishLaunchingOnceShown(QWidget *mainWindow)
{
    QWindow *window = mainWindow->windowHandle();
    if (!window || window->isExposed()) {
        finishLaunchingNextTurn();
        return;
    }
    m_awaitedWindow = window;
    window->installEventFilter(this);
    // A window closed before it was ever shown must not keep launching from finishing.
    connect(window, &QObject::destroyed, this, &AppDelegate::finishLaunchingNextTurn);
}

bool AppDelegate::eventFilter(QObject *watched, QEvent *event)
{
    // The frame is painted while the expose event is handled; the queued call runs after it.
    if (watched == m_awaitedWindow && event->type() == QEvent::Expose &&
        m_awaitedWindow->isExposed()) {
        m_awaitedWindow->removeEventFilter(this);
        disconnect(m_awaitedWindow, &QObject::destroyed, this, nullptr);
        finishLaunchingNextTurn();
    }
    return false;
}

void AppDelegate::finishLaunchingNextTurn()
{
    QMetaObject::invokeMethod(this, &AppDelegate::applicationDidFinishLaunching,
                              Qt::QueuedConnection);
}

void AppDelegate::applicationDidFinishLaunching()
{
    if (m_menuBarButton)
        return;
    m_menuBarButton = new MenuBarButton(this);
}
