#include "AppDelegate.h"

#include "commands/MenuBarButton.h"

#include <QGuiApplication>

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent)
{
    QGuiApplication::setQuitOnLastWindowClosed(applicationShouldTerminateAfterLastWindowClosed());
    // Queued: it runs once, on the event loop's first turn, after everything built before exec().
    QMetaObject::invokeMethod(this, &AppDelegate::applicationDidFinishLaunching,
                              Qt::QueuedConnection);
}

void AppDelegate::applicationDidFinishLaunching()
{
    if (m_finishedLaunching)
        return;
    m_finishedLaunching = true;
    m_menuBarButton = new MenuBarButton(this);
    emit didFinishLaunching();
}
