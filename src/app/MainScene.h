#pragma once

#include <QObject>
#include <QPointer>

class MainWindow;
class Preferences;
class SettingsWindow;

// The application's scene: it opens the main window and keeps the one Settings window. The menus
// offer no command that opens another main window, so the one opened at launch is the only one a
// user sees.
class MainScene final : public QObject
{
    Q_OBJECT

public:
    explicit MainScene(Preferences &preferences, QObject *parent = nullptr);
    ~MainScene() override;

    // A new main window, shown, and deleted when closed.
    MainWindow *openMainWindow();
    // The one Settings window: created on first use, brought to the front when asked again.
    SettingsWindow *openSettingsWindow();
    // Brings the main window forward, out of the dock or taskbar if minimised.
    void activateMainWindow();
    // One of the application's actions asked for by name from outside (the desktop entry's
    // actions, a notification): "about", "settings" or "quit". Other names do nothing.
    void activateAction(const QString &name);

private:
    Preferences &m_preferences;
    QPointer<MainWindow> m_mainWindow;
    QPointer<SettingsWindow> m_settingsWindow;
};
