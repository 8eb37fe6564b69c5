#include "Platform.h"

#include "AppIdentity.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QSocketNotifier>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace Platform {

bool isWayland()
{
    return QGuiApplication::platformName().startsWith(u"wayland"_s);
}

bool isX11()
{
    return QGuiApplication::platformName() == u"xcb"_s;
}

bool canKeepWindowsOnTop()
{
    return !isWayland();
}

bool popupIsWindow()
{
    return isWayland();
}

QScreen *screenAt(const QPoint &point)
{
    QScreen *screen = QGuiApplication::screenAt(point);
    return screen ? screen : QGuiApplication::primaryScreen();
}

QString missingDisplayReason()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const bool platformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    const bool hasX11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool hasWayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!platformChosen && !hasX11 && !hasWayland)
        return QString::fromUtf8(AppIdentity::name) %
               u" needs a desktop session: no DISPLAY or WAYLAND_DISPLAY is set. To run it "
               u"headless, start it under a virtual X server: xvfb-run "_s %
               QString::fromUtf8(AppIdentity::executable);
#endif
    return {};
}

#ifdef Q_OS_WIN
void allowOtherInstanceToComeForward()
{
    AllowSetForegroundWindow(ASFW_ANY);
}
#else
void allowOtherInstanceToComeForward() {}
#endif

#ifdef Q_OS_UNIX
namespace {

int signalSockets[2] = {-1, -1};

// Only async-signal-safe calls here: one byte into the socket wakes the event loop.
void noteSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalSockets[0], &byte, 1);
}

} // namespace

void quitOnTerminationSignals(QObject *context)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [] {
        char byte;
        [[maybe_unused]] const auto read = ::read(signalSockets[1], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}
#else
void quitOnTerminationSignals(QObject *) {}
#endif

} // namespace Platform
