#pragma once

#include <QObject>

class MenuBarButton;

// Answers the two moments of the application's life that matter to it: launching has finished
// (the first turn of the event loop, after the main window is up) and the last window has closed.
class AppDelegate final : public QObject
{
    Q_OBJECT

public:
    explicit AppDelegate(QObject *parent = nullptr);

    // Closing the last window ends the application, whatever else (a tray icon) is still there.
    static constexpr bool applicationShouldTerminateAfterLastWindowClosed() { return true; }

    bool hasFinishedLaunching() const { return m_finishedLaunching; }
    // The tray icon's owner, from the end of launching on.
    MenuBarButton *menuBarButton() const { return m_menuBarButton; }

signals:
    void didFinishLaunching();

private:
    void applicationDidFinishLaunching();

    bool m_finishedLaunching = false;
    MenuBarButton *m_menuBarButton = nullptr;
};
