#include "RunningQt.h"

#include <QLibraryInfo>
#include <QVersionNumber>

namespace {

bool runsAtLeast(int major, int minor)
{
    static const QVersionNumber running = QLibraryInfo::version();
    return running >= QVersionNumber(major, minor);
}

} // namespace

namespace RunningQt {

bool iconEngineSizeInDevicePixels()
{
    return !runsAtLeast(6, 8);
}

bool restoreGeometryFitsScreen()
{
    return runsAtLeast(6, 8);
}

bool trayIconWaitsForPanel()
{
    return runsAtLeast(6, 8);
}

} // namespace RunningQt
