#pragma once

#include <QString>

class QObject;

// The few facts about the running desktop that differ between platforms.
namespace Platform {

// Why no window can be shown here (no display server to talk to), or an empty string when one
// can. Checked before the toolkit starts, which would otherwise abort with a core dump.
QString missingDisplayReason();

// From now on SIGTERM, SIGINT and SIGHUP (a session ending, `kill`, Ctrl+C) quit the event loop
// the way the Quit command does. The signal is only noted in its handler; the quit runs on the
// main thread. Where the platform has no such signals, nothing changes.
void quitOnTerminationSignals(QObject *context);

} // namespace Platform
