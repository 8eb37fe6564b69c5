#pragma once

#include <QString>

// The main window's title while a pane with the given subtitle is shown: the subtitle before the
// application's name, or the name alone when there is no subtitle. Desktops other than macOS have
// no subtitle line under the title, so both share the title bar.
QString composeWindowTitle(const QString &appName, const QString &subtitle);
