#pragma once

#include "app/MainScene.h"
#include "app/MainWindow.h"
#include "app/SidebarApp.h"
#include "app/core/Preferences.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

inline void closeAndDelete(QWidget *window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Closes the visible top-level windows of the type and tells how many there were.
template<typename Window>
int closeAll()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<Window *>(widget) && widget->isVisible() && ++count)
            widget->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return count;
}

// SidebarApp owns the application object, so a test of the whole application builds it itself,
// after pointing the settings at a fresh folder (QSettings resolves it once). SidebarApp configures
// the application (names, style, icon, translations) and keeps its parts to itself; the test
// composes the same parts again, as SidebarApp does, and drives those.
struct AppParts
{
    Preferences preferences;
    MainScene scene{preferences};
};

// A main window of the size the tests lay out for, shown, with the keyboard.
inline MainWindow *openActiveMainWindow(AppParts &app)
{
    MainWindow *window = app.scene.openMainWindow();
    window->resize(900, 600);
    window->activateWindow();
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}

template<typename Test>
int runWithApp(int argc, char *argv[])
{
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    // Where no environment variable moves them (Windows), the preferences too go to files there,
    // never to the user's registry.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    SidebarApp app(argc, argv);
    AppParts parts;
    Test test(parts);
    return QTest::qExec(&test, argc, argv);
}
