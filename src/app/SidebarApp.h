#pragma once

#include "AppDelegate.h"
#include "MainScene.h"
#include "Preferences.h"
#include "Translations.h"

#include <QApplication>
#include <QPointer>

class SettingsWindow;

// The application: it configures Qt (names, icon, translations), owns the one delegate, the
// preferences and the main scene, and runs the event loop.
class SidebarApp final
{
public:
    SidebarApp(int &argc, char **argv);
    ~SidebarApp();

    int exec();

    Preferences &preferences() { return m_preferences; }
    AppDelegate &delegate() { return m_delegate; }
    MainScene &scene() { return m_scene; }

    // The one Settings window: created on first use, brought to the front when asked again.
    SettingsWindow *openSettingsWindow();

private:
    QApplication m_application;
    // Before anything that shows a text.
    Translations m_translations;
    Preferences m_preferences;
    AppDelegate m_delegate;
    MainScene m_scene;
    QPointer<SettingsWindow> m_settingsWindow;
};
