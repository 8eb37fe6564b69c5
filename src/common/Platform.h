#pragma once

#include <QString>

class QObject;
class QPoint;
class QScreen;

// The few facts about the running desktop that differ between platforms, asked here and nowhere
// else. The window-system questions need the application object.
namespace Platform {

// Whether the window system is Wayland ("wayland", "wayland-egl", ...: every Wayland client is
// alike here) or X11.
bool isWayland();
bool isX11();

// Whether the window system lets an application keep its windows above others. X11 window
// managers, macOS and Windows do; on Wayland the compositor alone decides the stacking.
bool canKeepWindowsOnTop();

// Whether the tray's popup is a window of its own rather than a Qt::Popup. Wayland makes a
// Qt::Popup a grabbing popup of the window that had the last input, tied to that input's serial,
// which is never the click on the panel: mutter, which checks it, dismisses the popup at once
// after the user has clicked in that window, and sway opens it inside that window. A frameless
// tool window opens on every activation, where the compositor places it.
bool popupIsWindow();

// The screen that shows the point, else the primary screen (null only without any screen).
QScreen *screenAt(const QPoint &point);

// Why no window can be shown here (no display server to talk to), or an empty string when one
// can. Checked before the toolkit starts, which would otherwise abort with a core dump.
QString missingDisplayReason();

// Lets the running instance bring its window forward when this launch hands over to it: Windows
// gives the foreground only to the process the user launched, which then passes it on.
void allowOtherInstanceToComeForward();

// From now on SIGTERM, SIGINT and SIGHUP (a session ending, `kill`, Ctrl+C) quit the event loop
// the way the Quit command does. The signal is only noted in its handler; the quit runs on the
// main thread. Where the platform has no such signals, nothing changes.
void quitOnTerminationSignals(QObject *context);

} // namespace Platform
