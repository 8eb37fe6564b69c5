#pragma once

#include <QString>

// The few facts about the running desktop that differ between platforms.
namespace Platform {

// Why no window can be shown here (no display server to talk to), or an empty string when one
// can. Checked before the toolkit starts, which would otherwise abort with a core dump.
QString missingDisplayReason();

} // namespace Platform
