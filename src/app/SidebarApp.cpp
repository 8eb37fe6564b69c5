#include "SidebarApp.h"

#include "AppIdentity.h"

#include "MainWindow.h"
#include "common/DeferredIconStyle.h"
#include "common/Platform.h"
#include "common/SymbolIcon.h"
#include "windows/core/BundleInfo.h"

using namespace Qt::StringLiterals;

namespace {

// Runs before any member that needs the application's identity. Qt's names for the settings and
// the desktop come from the identity as built; what the app shows, from the bundle's lookups.
int &configured(int &argc)
{
    QCoreApplication::setOrganizationName(QString::fromUtf8(AppIdentity::organizationFolder));
    QCoreApplication::setApplicationName(QString::fromUtf8(AppIdentity::name));
    QCoreApplication::setApplicationVersion(appVersion());
    QGuiApplication::setApplicationDisplayName(appName());
    // Matches the desktop entry, so Wayland compositors find the window's icon and name.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(AppIdentity::id));
    return argc;
}

} // namespace

SidebarApp::SidebarApp(int &argc, char **argv)
    : m_application(configured(argc), argv)
    , m_scene(m_preferences)
{
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()));
    QApplication::setWindowIcon(applicationIcon());
}

bool SidebarApp::handOver()
{
    if (m_instance.handOver())
        return true;
    QObject::connect(&m_instance, &SingleInstance::activationRequested, &m_scene,
                     &MainScene::activateMainWindow);
    QObject::connect(&m_instance, &SingleInstance::actionRequested, &m_scene,
                     &MainScene::activateAction);
    Platform::quitOnTerminationSignals(&m_instance);
    return false;
}

int SidebarApp::exec()
{
    m_delegate.finishLaunching(m_scene.openMainWindow());
    return QApplication::exec();
}
