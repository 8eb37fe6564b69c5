#include "CapturedStdout.h"
#include "IsolatedSettings.h"

#include "app/AppDelegate.h"
#include "app/MainScene.h"
#include "app/Preferences.h"
#include "app/SidebarApp.h"
#include "commands/MenuBarButton.h"
#include "commands/MenuBarPopup.h"
#include "windows/AboutCommand.h"
#include "windows/AboutWindow.h"
#include "windows/AttributionsWindow.h"
#include "windows/BundleInfo.h"
#include "windows/GeneralSettingsTab.h"
#include "windows/SettingsWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

using Opener = QWidget *(*)();

void closeAndDelete(QWidget *window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Closes the visible top-level windows of the type and tells how many there were.
template<typename Window>
int closeAll()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<Window *>(widget) && widget->isVisible() && ++count)
            widget->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return count;
}

// Runs the event loop as the application does, with the action queued; 2 if it never returns.
int execWith(const std::function<void()> &action)
{
    QTimer::singleShot(0, qApp, action);
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(2); });
    return QApplication::exec();
}

} // namespace

class AppTest : public QObject
{
    Q_OBJECT

public:
    explicit AppTest(SidebarApp &app)
        : m_app(app)
    {}

private slots:
    // A failed check leaves its windows open; later tests count on there being none.
    void cleanup() { closeAll<QWidget>(); }

    void everyRequestOpensANewWindowFreedOnClose_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::newRow("about") << Opener([]() -> QWidget * { return openAboutWindow(); });
        QTest::newRow("attributions")
            << Opener([]() -> QWidget * { return openAttributionsWindow(); });
    }

    void everyRequestOpensANewWindowFreedOnClose()
    {
        QFETCH(Opener, open);
        QPointer<QWidget> first = open();
        QPointer<QWidget> second = open();
        QVERIFY(first != second && first->isVisible() && second->isVisible());
        QVERIFY(second->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        closeAndDelete(second);
        QVERIFY(!second && first->isVisible());
        const qsizetype widgets = QApplication::allWidgets().size();
        for (int i = 0; i < 20; ++i)
            closeAndDelete(open());
        QCOMPARE(QApplication::allWidgets().size(), widgets);
        closeAndDelete(first);
        QVERIFY(!first);
    }

    void aboutValues_data()
    {
        QTest::addColumn<BundleInfo>("bundle");
        QTest::addColumn<QStringList>("expected"); // name, version line, copyright, command
        QTest::newRow("dictionary missing everything")
            << BundleInfo()
            << QStringList{u"N/A"_s, u"Version N/A (N/A)"_s, u"N/A"_s, u"About N/A"_s};
        QTest::newRow("markup and placeholders shown verbatim")
            << BundleInfo(QVariantMap{{u"CFBundleName"_s, u"<b>Rock</b>"_s},
                                      {u"CFBundleShortVersionString"_s, u"%2"_s},
                                      {u"CFBundleVersion"_s, u"%1"_s},
                                      {u"NSHumanReadableCopyright"_s, u"<i>©</i>"_s}})
            << QStringList{u"<b>Rock</b>"_s, u"Version %2 (%1)"_s, u"<i>©</i>"_s,
                           u"About <b>Rock</b>"_s};
    }

    void aboutValues()
    {
        QFETCH(BundleInfo, bundle);
        AboutWindow window(bundle);
        QStringList shown;
        for (const QString &name : {u"aboutName"_s, u"aboutVersion"_s, u"aboutCopyright"_s}) {
            const auto *label = window.findChild<QLabel *>(name);
            QVERIFY(label && label->textFormat() == Qt::PlainText);
            shown.append(label->text());
        }
        QTEST(shown << AboutCommand::text(bundle), "expected");
    }

    void settingsStoreEveryKeystrokeAndReturnAndApplyOnlyPrint()
    {
        m_app.preferences().setName(u"x"_s);
        QPointer<SettingsWindow> window = m_app.openSettingsWindow();
        emit m_app.scene().settingsRequested();
        QCOMPARE(m_app.openSettingsWindow(), window.data()); // one window, brought forward
        QStringList stored;
        QObject listening;
        connect(&m_app.preferences(), &Preferences::changed, &listening,
                [&] { stored.append(m_app.preferences().name()); });
        QLineEdit *field = window->generalTab()->nameField();
        auto *apply = window->findChild<QPushButton *>(u"applyButton"_s);
        const QByteArray printed = capturedStdout([&] {
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, u"Zo"_s);
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, u"ë"_s, Qt::NoModifier);
            QTest::keyClick(field, Qt::Key_Return);
            QTest::mouseClick(apply, Qt::LeftButton);
        });
        QCOMPARE(stored, (QStringList{QString(""_L1), u"Z"_s, u"Zo"_s, u"Zoë"_s}));
        QCOMPARE(printed, "On commit!\nApply!\n"_ba);
        QVERIFY(window->isVisible());

        // Stored as typed: closing loses nothing, and the next window shows it.
        closeAndDelete(window);
        QCOMPARE(Preferences().name(), u"Zoë"_s);
        QCOMPARE(m_app.openSettingsWindow()->generalTab()->nameField()->text(), u"Zoë"_s);
        closeAndDelete(m_app.openSettingsWindow());
    }

    void trayClickRouting_data()
    {
        QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
        QTest::addColumn<int>("popups");
        QTest::addColumn<int>("menus");
        QTest::newRow("left click: popup") << QSystemTrayIcon::Trigger << 1 << 0;
        QTest::newRow("right click: menu") << QSystemTrayIcon::Context << 0 << 1;
        QTest::newRow("double click: nothing") << QSystemTrayIcon::DoubleClick << 0 << 0;
    }

    void trayClickRouting()
    {
        QFETCH(QSystemTrayIcon::ActivationReason, reason);
        MenuBarButton button;
        button.showMenu(reason);
        QTEST(closeAll<MenuBarPopup>(), "popups");
        QTEST(closeAll<QMenu>(), "menus");
    }

    void trayMenuActions()
    {
        MenuBarButton button;
        QPointer<QMenu> menu = button.showStatusMenu();
        QStringList items;
        for (const QAction *action : menu->actions())
            items.append(action->isSeparator()
                             ? u"-"_s
                             : action->text() + u' ' + action->shortcut().toString());
        QCOMPARE(items, (QStringList{u"About... Ctrl+C"_s, u"Do Stuff Ctrl+D"_s, u"-"_s,
                                     u"Quit Ctrl+Q"_s}));

        QAction *doStuff = menu->findChild<QAction *>(u"statusDoStuffAction"_s);
        QCOMPARE(capturedStdout([doStuff] { doStuff->trigger(); }), "Do stuff\n"_ba);
        menu->findChild<QAction *>(u"statusAboutAction"_s)->trigger();
        button.showPopup()->findChild<QPushButton *>(u"popupAboutButton"_s)->click();
        QCOMPARE(closeAll<MenuBarPopup>(), 0);
        QCOMPARE(closeAll<AboutWindow>(), 2);
        if (menu)
            menu->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!menu); // built anew for every click
    }

    void closingTheLastWindowQuits()
    {
        QMainWindow *window = m_app.scene().openMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(execWith([window] { window->close(); }), 0);
    }

    void trayQuitEndsTheApplicationWithTheMainWindowOpen()
    {
        QMainWindow *window = m_app.scene().openMainWindow();
        m_app.delegate().finishLaunchingOnceShown(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_VERIFY(m_app.delegate().menuBarButton()); // made once the window has been shown
        MenuBarButton *button = m_app.delegate().menuBarButton();
        QCOMPARE(
            execWith([button] {
                button->showStatusMenu()->findChild<QAction *>(u"statusQuitAction"_s)->trigger();
            }),
            0);
    }

private:
    SidebarApp &m_app;
};

int main(int argc, char *argv[])
{
    // SidebarApp owns the application object, so the test builds it itself, after the settings
    // folder is redirected.
    IsolatedSettings settings;
    SidebarApp app(argc, argv);
    AppTest test(app);
    return QTest::qExec(&test, argc, argv);
}
#include "tst_app.moc"
