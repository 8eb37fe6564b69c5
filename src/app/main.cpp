#include "app/Platform.h"
#include "app/SidebarApp.h"
#include "common/core/PrintLine.h"

int main(int argc, char *argv[])
{
    if (const QString reason = Platform::missingDisplayReason(); !reason.isEmpty()) {
        printErrorLine(reason);
        return 1;
    }
    SidebarApp app(argc, argv);
    return app.exec();
}
