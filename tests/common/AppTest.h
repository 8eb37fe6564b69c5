#pragma once

#include "app/MainScene.h"
#include "app/MainView.h"
#include "app/MainWindow.h"
#include "app/SidebarApp.h"
#include "app/core/Preferences.h"
#include "navigation/Sidebar.h"

#include <QApplication>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

inline void closeAndDelete(QWidget *window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A failed check leaves its windows open; later tests count on there being none.
inline void closeAllWindows()
{
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// SidebarApp configures the application (names, style, icon, translations) and keeps its parts to
// itself; a test of the whole application composes the same parts and drives those.
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

// As a click on the pane's sidebar entry shows it, with the toolbar laid out for it.
inline void showPane(MainWindow *window, SidebarPane pane)
{
    window->findChild<QListWidget *>(QStringLiteral("sidebarList"))
        ->setCurrentItem(window->view()->sidebar()->itemFor(pane));
    QCoreApplication::sendPostedEvents();
}

// SidebarApp owns the application object, so the test and its parts are made after it, once the
// settings point at a fresh folder (QSettings resolves it once).
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
    Test test;
    return QTest::qExec(&test, argc, argv);
}

#define APP_TEST_MAIN(Test)                                                                        \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        return runWithApp<Test>(argc, argv);                                                       \
    }
