#pragma once

#include <QObject>

class Preferences;
class QMainWindow;

// Opens main windows and gives each its menu bar. The menus offer no command that opens another
// main window, so the one opened at launch is the only one a user sees.
class MainScene final : public QObject
{
    Q_OBJECT

public:
    explicit MainScene(Preferences &preferences, QObject *parent = nullptr);

    // A new main window, shown and deleted when closed.
    QMainWindow *openMainWindow();

signals:
    // Emitted by the Settings menu item; the application keeps the one Settings window.
    void settingsRequested();

private:
    void installCommands(QMainWindow *window);

    Preferences &m_preferences;
};
