// The application's own start-up, from the same libraries as the shipped binary, stopping after
// its first frame (or staying idle with --idle). The shipped app keeps no such option.
#include "FirstFrameProbe.h"

#include "app/SidebarApp.h"

int main(int argc, char *argv[])
{
    const FirstFrameProbe::Mode mode = firstFrameModeFromArguments(argc, argv);
    int qtArgc = 1;
    SidebarApp app(qtArgc, argv);
    if (app.handOver())
        return 1;
    FirstFrameProbe probe(mode);
    return app.exec();
}
