#include "MenuBarButton.h"

#include "MenuBarPopup.h"
#include "PopupPlacement.h"
#include "app/PrintLine.h"
#include "app/SymbolIcon.h"
#include "windows/AboutWindow.h"
#include "windows/BundleInfo.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QScreen>

using namespace Qt::StringLiterals;

MenuBarButton::MenuBarButton(QObject *parent)
    : QObject(parent)
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_statusItem = new QSystemTrayIcon(symbolIcon(u"hammer.circle.fill"_s), this);
    m_statusItem->setObjectName(u"statusItem"_s);
    m_statusItem->setToolTip(appName());
    connect(m_statusItem, &QSystemTrayIcon::activated, this, &MenuBarButton::showMenu);
    m_statusItem->show();
}

void MenuBarButton::showMenu(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        showPopup();
        break;
    case QSystemTrayIcon::Context:
        showStatusMenu();
        break;
    case QSystemTrayIcon::DoubleClick:
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
}

MenuBarPopup *MenuBarButton::showPopup()
{
    auto *popup = new MenuBarPopup;
    const QRect area = anchor();
    QScreen *screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        popup->move(popupPosition(area, popup->size(), screen->availableGeometry()));
    popup->show();
    return popup;
}

QMenu *MenuBarButton::showStatusMenu()
{
    auto *menu = new QMenu;
    menu->setObjectName(u"statusMenu"_s);
    menu->setAccessibleName(appName());
    // Deferred, so the chosen action still exists while it runs.
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);

    const auto addItem = [this, menu](const QString &text, const QString &name, Qt::Key key,
                                      void (MenuBarButton::*slot)()) {
        QAction *action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        action->setShortcut(QKeySequence(Qt::CTRL | key));
        action->setShortcutVisibleInContextMenu(true);
    };
    addItem(tr("About..."), u"statusAboutAction"_s, Qt::Key_C, &MenuBarButton::showAbout);
    addItem(tr("Do Stuff"), u"statusDoStuffAction"_s, Qt::Key_D, &MenuBarButton::doStuff);
    menu->addSeparator();
    addItem(tr("Quit"), u"statusQuitAction"_s, Qt::Key_Q, &MenuBarButton::quit);

    menu->popup(QCursor::pos());
    return menu;
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

QRect MenuBarButton::anchor() const
{
    if (m_statusItem) {
        if (const QRect icon = m_statusItem->geometry(); icon.isValid())
            return icon;
    }
    return QRect(QCursor::pos(), QSize(1, 1));
}
