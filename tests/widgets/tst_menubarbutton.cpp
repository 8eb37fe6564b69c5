#include "CapturedStdout.h"
#include "IsolatedSettings.h"

#include "app/SidebarApp.h"
#include "commands/MenuBarButton.h"
#include "commands/MenuBarPopup.h"
#include "windows/AboutWindow.h"

#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

template<typename Window>
QList<Window *> openWindows()
{
    QList<Window *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            windows.append(window);
    }
    return windows;
}

template<typename Window>
qsizetype closeAll()
{
    const QList<Window *> windows = openWindows<Window>();
    for (Window *window : windows)
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return windows.size();
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
        QTRY_VERIFY(m_app->delegate().menuBarButton());
        QCOMPARE(m_app->delegate().findChildren<MenuBarButton *>().size(), 1);
        // Offscreen there is no tray: no icon, and not a word about it.
        QCOMPARE(m_app->delegate().menuBarButton()->statusItem(), nullptr);
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
    }

    void clickRouting()
    {
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        MenuBarButton button;
        button.showMenu(reason);
        QTEST(int(closeAll<MenuBarPopup>()), "popups");
        QTEST(int(closeAll<QMenu>()), "menus");
    }

    void popupAboutOpensAboutAndClosesThePopup()
    {
        MenuBarButton button;
        QPointer<MenuBarPopup> popup = button.showPopup();
        QCOMPARE(popup->size(), QSize(200, 200));
        QTest::mouseClick(popup->findChild<QPushButton *>(u"popupAboutButton"_s), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!popup);
        QCOMPARE(closeAll<AboutWindow>(), 1);
    }

    void menuItemsExistOnlyWhileOpen()
    {
        MenuBarButton button;
        QPointer<QMenu> menu = button.showStatusMenu();
        QStringList items;
        for (const QAction *action : menu->actions()) {
            items.append(action->isSeparator()
                             ? u"-"_s
                             : action->text() + u' ' + action->shortcut().toString());
        }
        QCOMPARE(items, (QStringList{u"About... Ctrl+C"_s, u"Do Stuff Ctrl+D"_s, u"-"_s,
                                     u"Quit Ctrl+Q"_s}));
        menu->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!menu);
    }

    void aboutFromEveryPlaceOpensANewWindow()
    {
        MenuBarButton button;
        for (int i = 0; i < 2; ++i) {
            QMenu *menu = button.showStatusMenu();
            menu->findChild<QAction *>(u"statusAboutAction"_s)->trigger();
            menu->hide();
        }
        emit m_app->scene().aboutRequested();
        QCOMPARE(closeAll<AboutWindow>(), 3);
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
        QVERIFY(QTest::qWaitForWindowExposed(m_app->scene().openMainWindow()));
        MenuBarButton *button = m_app->delegate().menuBarButton();
        QTimer::singleShot(0, button, [button] {
            button->showStatusMenu()->findChild<QAction *>(u"statusQuitAction"_s)->trigger();
        });
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(2); });
        QCOMPARE(QApplication::exec(), 0);
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
