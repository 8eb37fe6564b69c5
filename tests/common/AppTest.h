#pragma once

#include "IsolatedSettings.h"

#include "app/SidebarApp.h"

#include <QApplication>
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
// after the settings folder is redirected, and hands it to the test object.
template<typename Test>
int runWithApp(int argc, char *argv[])
{
    IsolatedSettings settings;
    SidebarApp app(argc, argv);
    Test test(app);
    return QTest::qExec(&test, argc, argv);
}
