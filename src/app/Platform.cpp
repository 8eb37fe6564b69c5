#include "Platform.h"

#include <QtGlobal>

using namespace Qt::StringLiterals;

namespace Platform {

QString missingDisplayReason()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const bool platformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    const bool hasX11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool hasWayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!platformChosen && !hasX11 && !hasWayland)
        return u"Pillowrock needs a desktop session: no DISPLAY or WAYLAND_DISPLAY is set. "
               u"To run it headless, start it under a virtual X server: xvfb-run build/pillowrock"_s;
#endif
    return {};
}

} // namespace Platform
