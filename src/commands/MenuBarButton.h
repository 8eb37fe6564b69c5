#pragma once

#include <QObject>
#include <QSystemTrayIcon>

class MenuBarPopup;
class QMenu;

// The application's icon in the desktop's tray, for as long as the application runs. A left click
// opens the popup, a right click the menu; both are built anew for each click and deleted when
// they close. Where the desktop has no tray there is no icon, and nothing is said about it.
class MenuBarButton final : public QObject
{
    Q_OBJECT

public:
    explicit MenuBarButton(QObject *parent = nullptr);

    // The tray icon, or null where the desktop has none.
    QSystemTrayIcon *statusItem() const { return m_statusItem; }

    // Routes a click on the icon; other kinds of activation do nothing.
    void showMenu(QSystemTrayIcon::ActivationReason reason);
    MenuBarPopup *showPopup();
    QMenu *showStatusMenu();

    void showAbout();
    void quit();
    void doStuff();

private:
    QRect anchor() const;

    QSystemTrayIcon *m_statusItem = nullptr;
};
