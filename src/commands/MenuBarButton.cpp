#include "MenuBarButton.h"

#include "MenuBarPopup.h"
#include "common/Platform.h"
#include "common/SymbolIcon.h"
#include "common/core/PrintLine.h"
#include "common/core/RunningQt.h"
#include "windows/AboutWindow.h"
#include "windows/core/BundleInfo.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>

using namespace Qt::StringLiterals;

MenuBarButton::MenuBarButton(QObject *parent)
    : QObject(parent)
    , m_statusMenu(std::make_unique<QMenu>())
{
    m_statusMenu->setObjectName(u"statusMenu"_s);
    m_statusMenu->setAccessibleName(appName());
    // Made once: a panel that reads the menu over D-Bus rebuilds its own copy whenever the items
    // change, and the items never change.
    buildStatusMenu();

    // On X11, and on a StatusNotifierItem panel from Qt 6.8, Qt shows the icon when a tray comes
    // up later or comes back after a restart, so the icon is made even before there is one.
    // Elsewhere no tray now means none: an icon would only warn.
    if (!QSystemTrayIcon::isSystemTrayAvailable() && !Platform::isX11() &&
        !RunningQt::trayIconWaitsForPanel())
        return;
    m_statusItem = new QSystemTrayIcon(symbolIcon(u"hammer.circle.fill"_s), this);
    m_statusItem->setObjectName(u"statusItem"_s);
    m_statusItem->setToolTip(appName());
    // The tray shows the menu on a right click itself; a left click is for the popup.
    m_statusItem->setContextMenu(m_statusMenu.get());
    connect(m_statusItem, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // An X11 tray icon reports a click soon after the last one, which may have closed
                // the popup, as a double click: each click opens or closes it all the same.
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    togglePopup();
            });
    m_statusItem->show();
}

// The icon goes first: it must never point at a deleted menu.
MenuBarButton::~MenuBarButton()
{
    delete m_statusItem;
}

void MenuBarButton::buildStatusMenu()
{
    const auto addItem = [this](const QString &text, const QString &name,
                                [[maybe_unused]] Qt::Key key, void (MenuBarButton::*slot)()) {
        QAction *action = m_statusMenu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
#ifdef Q_OS_MACOS
        // The status menu shows its key equivalents (Command and the key) and they work while
        // it is open. Elsewhere the menu belongs to no window, so keys would only be a promise;
        // the menu that Linux panels read over D-Bus gets none: theirs cannot build them.
        action->setShortcut(QKeySequence(Qt::CTRL | key));
        action->setShortcutVisibleInContextMenu(true);
#endif
    };
    addItem(tr("About..."), u"statusAboutAction"_s, Qt::Key_C, &MenuBarButton::showAbout);
    addItem(tr("Do Stuff"), u"statusDoStuffAction"_s, Qt::Key_D, &MenuBarButton::doStuff);
    m_statusMenu->addSeparator();
    addItem(tr("Quit"), u"statusQuitAction"_s, Qt::Key_Q, &MenuBarButton::quit);
}

MenuBarPopup *MenuBarButton::showPopup()
{
    if (m_popup && m_popup->isVisible())
        return m_popup;
    m_popup = new MenuBarPopup;
    // A tray on D-Bus tells no geometry; the user has just clicked, so the pointer is at the icon.
    QRect anchor = m_statusItem ? m_statusItem->geometry() : QRect();
    m_popup->popUp(anchor.isValid() ? anchor : QRect(QCursor::pos(), QSize(1, 1)));
    return m_popup;
}

void MenuBarButton::togglePopup()
{
    if (m_popup && m_popup->isVisible())
        m_popup->close();
    else
        showPopup();
}

void MenuBarButton::showAbout()
{
    openAboutWindow();
}

void MenuBarButton::quit()
{
    QCoreApplication::quit();
}

void MenuBarButton::doStuff()
{
    printLine(u"Do stuff"_s);
}
