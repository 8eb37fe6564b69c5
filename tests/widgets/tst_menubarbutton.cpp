#include "CapturedStdout.h"
#include "IsolatedSettings.h"

#include "app/SidebarApp.h"
#include "commands/MenuBarButton.h"
#include "commands/MenuBarPopup.h"
#include "windows/AboutWindow.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

template<typename Window>
QList<Window *> visibleWindows()
{
    QList<Window *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            windows.append(window);
    }
    return windows;
}

template<typename Window>
void closeAll()
{
    for (Window *window : visibleWindows<Window>())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class MenuBarButtonTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        static char name[] = "tst_menubarbutton";
        static char *argv[] = {name, nullptr};
        static int argc = 1;
        m_app = std::make_unique<SidebarApp>(argc, argv);
    }

    void createdOnceWhenLaunchingHasFinished()
    {
        QCOMPARE(m_app->delegate().menuBarButton(), nullptr);
        QTRY_VERIFY(m_app->delegate().hasFinishedLaunching());
        MenuBarButton *button = m_app->delegate().menuBarButton();
        QVERIFY(button);
        QCOMPARE(m_app->delegate().findChildren<MenuBarButton *>().size(), 1);
        // Offscreen there is no tray: no icon, and no complaint about it.
        QCOMPARE(button->statusItem(), nullptr);
    }

    void withoutATrayNothingIsPrinted()
    {
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        QCOMPARE(capturedStdout([] { MenuBarButton button; }), QByteArray());
    }

    void clickRouting_data()
    {
        QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
        QTest::addColumn<int>("popups");
        QTest::addColumn<int>("menus");
        QTest::newRow("left click: popup") << QSystemTrayIcon::Trigger << 1 << 0;
        QTest::newRow("right click: menu") << QSystemTrayIcon::Context << 0 << 1;
        QTest::newRow("double click: nothing") << QSystemTrayIcon::DoubleClick << 0 << 0;
        QTest::newRow("middle click: nothing") << QSystemTrayIcon::MiddleClick << 0 << 0;
        QTest::newRow("unknown: nothing") << QSystemTrayIcon::Unknown << 0 << 0;
    }

    void clickRouting()
    {
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        MenuBarButton button;
        button.showMenu(reason);
        QTEST(int(visibleWindows<MenuBarPopup>().size()), "popups");
        QTEST(int(visibleWindows<QMenu>().size()), "menus");
        closeAll<MenuBarPopup>();
        closeAll<QMenu>();
    }

    void popupOffersAbout()
    {
        MenuBarButton button;
        QPointer<MenuBarPopup> popup = button.showPopup();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        QCOMPARE(popup->size(), QSize(200, 200));
        QCOMPARE(popup->findChild<QLabel *>(u"popupText"_s)->text(),
                 u"Vestrandi's Apps for users with Mac & Windows and also Linux!"_s);

        QTest::mouseClick(popup->findChild<QPushButton *>(u"popupAboutButton"_s), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!popup);
        QCOMPARE(visibleWindows<AboutWindow>().size(), 1);
        closeAll<AboutWindow>();
    }

    void eachPopupIsNewAndFreedWhenClosed()
    {
        MenuBarButton button;
        QPointer<MenuBarPopup> first = button.showPopup();
        first->close();
        QPointer<MenuBarPopup> second = button.showPopup();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(second);
        second->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!second);
    }

    void menuItems()
    {
        MenuBarButton button;
        QPointer<QMenu> menu = button.showStatusMenu();
        const QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.size(), 4);
        QCOMPARE(actions[0]->text(), u"About..."_s);
        QCOMPARE(actions[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
        QCOMPARE(actions[1]->text(), u"Do Stuff"_s);
        QCOMPARE(actions[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
        QVERIFY(actions[2]->isSeparator());
        QCOMPARE(actions[3]->text(), u"Quit"_s);
        QCOMPARE(actions[3]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        for (QAction *action : actions) {
            if (!action->isSeparator())
                QVERIFY(action->isShortcutVisibleInContextMenu());
        }

        // The menu exists only while it is open.
        menu->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!menu);
    }

    void aboutTwiceOpensTwoWindows()
    {
        MenuBarButton button;
        for (int i = 0; i < 2; ++i) {
            QMenu *menu = button.showStatusMenu();
            menu->findChild<QAction *>(u"statusAboutAction"_s)->trigger();
            menu->hide();
        }
        QCOMPARE(visibleWindows<AboutWindow>().size(), 2);
        closeAll<AboutWindow>();
    }

    void doStuffPrintsOneLineAndNothingElse()
    {
        MenuBarButton button;
        QMenu *menu = button.showStatusMenu();
        QAction *doStuff = menu->findChild<QAction *>(u"statusDoStuffAction"_s);
        const QWidgetList before = QApplication::topLevelWidgets();
        QCOMPARE(capturedStdout([doStuff] { doStuff->trigger(); }), "Do stuff\n"_ba);
        QCOMPARE(QApplication::topLevelWidgets(), before);
        menu->hide();
    }

    void quitEndsTheApplicationWithTheMainWindowOpen()
    {
        QMainWindow *window = m_app->scene().openMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        MenuBarButton *button = m_app->delegate().menuBarButton();
        QTimer::singleShot(0, button, [button] {
            QMenu *menu = button->showStatusMenu();
            menu->findChild<QAction *>(u"statusQuitAction"_s)->trigger();
        });
        QTimer watchdog;
        bool timedOut = false;
        connect(&watchdog, &QTimer::timeout, qApp, [&] {
            timedOut = true;
            QCoreApplication::exit(2);
        });
        watchdog.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!timedOut);
    }

    void cleanupTestCase() { m_app.reset(); }

private:
    IsolatedSettings m_settings;
    std::unique_ptr<SidebarApp> m_app;
};

int main(int argc, char *argv[])
{
    // SidebarApp owns the application object, so this test builds it itself.
    MenuBarButtonTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_menubarbutton.moc"
