#include "AppDelegate.h"

#include "commands/MenuBarButton.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>

namespace {

constexpr std::chrono::milliseconds exposureWait{1000};
const QEvent::Type launchedEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

} // namespace

AppDelegate::AppDelegate(QObject *parent)
    : QObject(parent)
{
    // Closing the last window ends the application, whatever else (a tray icon) is still there.
    QGuiApplication::setQuitOnLastWindowClosed(true);
}

void AppDelegate::finishLaunching(QWidget *mainWindow)
{
    QWindow *window = mainWindow->windowHandle();
    if (!window || window->isExposed()) {
        finishLaunchingAfterFrame();
        return;
    }
    window->installEventFilter(this);
    QTimer::singleShot(exposureWait, this, &AppDelegate::applicationDidFinishLaunching);
}

bool AppDelegate::eventFilter(QObject *watched, QEvent *event)
{
    // The frame is painted and flushed while the window handles this event.
    if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        finishLaunchingAfterFrame();
    }
    return false;
}

void AppDelegate::finishLaunchingAfterFrame()
{
    // At low priority, the tray icon also waits for what the window has queued by then (the
    // repaints that its first focus and the window manager's placing bring).
    QCoreApplication::postEvent(this, new QEvent(launchedEvent), Qt::LowEventPriority);
}

bool AppDelegate::event(QEvent *event)
{
    if (event->type() != launchedEvent)
        return QObject::event(event);
    applicationDidFinishLaunching();
    return true;
}

void AppDelegate::applicationDidFinishLaunching()
{
    if (m_menuBarButton)
        return;
    m_menuBarButton = new MenuBarButton(this);
}
