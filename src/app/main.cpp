#include "app/Platform.h"
#include "app/PrintLine.h"
#include "app/SidebarApp.h"

int main(int argc, char *argv[])
{
    if (const QString reason = Platform::missingDisplayReason(); !reason.isEmpty()) {
        printErrorLine(reason);
        return 1;
    }
    SidebarApp app(argc, argv);
    return app.exec();
}
