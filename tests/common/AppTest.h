#pragma once

#include "app/SidebarApp.h"

#include <QTemporaryDir>
#include <QTest>

// SidebarApp owns the application object, so these tests build it themselves, on a settings
// folder of their own: QSettings resolves the user's folder once, before anything opens it.
#define PILLOWROCK_APP_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QTemporaryDir settings;                                                                    \
        qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());                                 \
        SidebarApp app(argc, argv);                                                                \
        TestClass test(app);                                                                       \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
