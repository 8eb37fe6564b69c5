#include "AppDelegate.h"

#include "commands/MenuBarButton.h"

#include <QGuiApplication>

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent)
{
    // Closing the last window ends the application, whatever else (a tray icon) is still there.
    QGuiApplication::setQuitOnLastWindowClosed(true);
}

void AppDelegate::finishLaunching()
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
