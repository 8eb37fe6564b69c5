#pragma once

#include <QObject>
#include <QPointer>

class MenuBarButton;
class QWidget;
class QWindow;

// Answers the two moments of the application's life that matter to it: launching has finished
// (the main window's first frame is on screen) and the last window has closed.
class AppDelegate final : public QObject
{
    Q_OBJECT

public:
    explicit AppDelegate(QObject *parent = nullptr);

    // Launching finishes on the event loop's turn after the main window is first exposed, so
    // what the first frame does not show (the tray icon) never delays it.
    void finishLaunchingOnceShown(QWidget *mainWindow);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applicationDidFinishLaunching();
    void finishLaunchingNextTurn();

    QPointer<QWindow> m_awaitedWindow;

    MenuBarButton *m_menuBarButton = nullptr;
};
