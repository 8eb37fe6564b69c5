#pragma once

#include "AppDelegate.h"
#include "MainScene.h"
#include "SingleInstance.h"
#include "app/core/Preferences.h"
#include "common/core/Translations.h"

#include <QApplication>

// The application: it configures Qt (names, icon, translations), owns the one delegate, the
// preferences and the main scene, and runs the event loop.
class SidebarApp final
{
public:
    SidebarApp(int &argc, char **argv);

    // True when another instance runs and was asked to come forward: this one should end before
    // it shows anything. Otherwise this one hears later launches and the desktop from now on.
    bool handOver();
    int exec();

private:
    QApplication m_application;
    // Before anything that shows a text.
    Translations m_translations;
    Preferences m_preferences;
    AppDelegate m_delegate;
    MainScene m_scene;
    SingleInstance m_instance;
};
