#pragma once

#include <QObject>

class MenuBarButton;
class QWidget;

// Answers the two moments of the application's life that matter to it: launching has finished
// (the main window's first frame is out) and the last window has closed.
class AppDelegate final : public QObject
{
    Q_OBJECT

public:
    explicit AppDelegate(QObject *parent = nullptr);

    // Launching finishes once the main window is first exposed and its frame is out: the tray icon
    // is no part of that frame, and making it (a window of its own, which the tray then docks)
    // would hold the frame back. A main window that is never exposed (minimised, or on another
    // workspace) holds the tray icon back for a second at most.
    void finishLaunching(QWidget *mainWindow);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void finishLaunchingAfterFrame();
    void applicationDidFinishLaunching();

    MenuBarButton *m_menuBarButton = nullptr;
};
