#include "app/MainScene.h"
#include "app/Platform.h"
#include "app/SidebarApp.h"
#include "app/SingleInstance.h"
#include "common/core/PrintLine.h"

int main(int argc, char *argv[])
{
    if (const QString reason = Platform::missingDisplayReason(); !reason.isEmpty()) {
        printErrorLine(reason);
        return 1;
    }
    SidebarApp app(argc, argv);
    // Before any window or tray icon: a second launch only brings the first one forward.
    SingleInstance instance;
    if (instance.handOver())
        return 0;
    QObject::connect(&instance, &SingleInstance::activationRequested, &app.scene(),
                     &MainScene::activateMainWindow);
    QObject::connect(&instance, &SingleInstance::actionRequested, &app.scene(),
                     &MainScene::activateAction);
    Platform::quitOnTerminationSignals(&instance);
    return app.exec();
}
