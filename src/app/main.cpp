#include "app/SidebarApp.h"
#include "common/Platform.h"
#include "common/core/PrintLine.h"

int main(int argc, char *argv[])
{
    attachToParentConsole();
    if (const QString reason = Platform::missingDisplayReason(); !reason.isEmpty()) {
        printErrorLine(reason);
        return 1;
    }
    SidebarApp app(argc, argv);
    // Before any window or tray icon: a second launch only brings the first one forward.
    if (app.handOver())
        return 0;
    return app.exec();
}
