#pragma once

#include <QObject>

class MenuBarButton;

// Answers the two moments of the application's life that matter to it: launching has finished
// (the event loop runs, the main window is open) and the last window has closed.
class AppDelegate final : public QObject
{
    Q_OBJECT

public:
    explicit AppDelegate(QObject *parent = nullptr);

    // Launching finishes on the event loop's first turn: the tray icon does not wait for the
    // main window to be exposed, which a window on another workspace or minimised never is.
    void finishLaunching();

private:
    void applicationDidFinishLaunching();

    MenuBarButton *m_menuBarButton = nullptr;
};
