#pragma once

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>

class MenuBarPopup;
class QMenu;

// The application's icon in the desktop's tray, for as long as the application runs. A left click
// opens the popup, built anew each time and deleted when it closes, or closes the one open; a
// right click opens the menu. On X11 the icon waits for a tray that comes up later; elsewhere,
// where the desktop has no tray, there is no icon.
class MenuBarButton final : public QObject
{
    Q_OBJECT

public:
    explicit MenuBarButton(QObject *parent = nullptr);
    ~MenuBarButton() override;

    // The tray icon's menu: "About...", "Do Stuff" and "Quit".
    QMenu *statusMenu() const { return m_statusMenu.get(); }

    // The popup that is open, else a new one, shown.
    MenuBarPopup *showPopup();
    // What a left click does: closes the open popup, else shows one.
    void togglePopup();

    void showAbout();
    void quit();
    void doStuff();

private:
    void buildStatusMenu();

    // A menu is a widget and cannot be a child of this object; the tray icon only borrows it.
    std::unique_ptr<QMenu> m_statusMenu;
    QSystemTrayIcon *m_statusItem = nullptr;
    QPointer<MenuBarPopup> m_popup;
};
