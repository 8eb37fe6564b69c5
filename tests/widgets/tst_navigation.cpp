#include "app/MainScene.h"
#include "app/MainView.h"
#include "app/Preferences.h"
#include "navigation/EmptyPane.h"
#include "navigation/Sidebar.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace Qt::StringLiterals;

class NavigationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(u"Pillowrock"_s); }

    void init()
    {
        m_preferences = std::make_unique<Preferences>(m_dir.filePath(u"prefs.ini"_s));
        m_scene = std::make_unique<MainScene>(*m_preferences);
        m_window = m_scene->openMainWindow();
        m_window->resize(900, 600);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_view = m_window->findChild<MainView *>();
    }

    void cleanup()
    {
        delete m_window;
        m_scene.reset();
    }

    void startsWithNothingSelectedAndNoFieldFocused()
    {
        QCOMPARE(sidebar()->selection(), std::nullopt);
        QVERIFY(qobject_cast<EmptyPane *>(m_view->detail()));
        QCOMPARE(m_window->windowTitle(), u"Pillowrock"_s);
        QTRY_COMPARE(QApplication::focusWidget(), list());
    }

    void contentNeverBelow400By300_data()
    {
        QTest::addColumn<QSize>("requested");
        QTest::newRow("tiny") << QSize(50, 40);
        QTest::newRow("too narrow") << QSize(200, 700);
        QTest::newRow("too low") << QSize(900, 100);
    }

    void contentNeverBelow400By300()
    {
        QFETCH(QSize, requested);
        m_window->resize(requested);
        QVERIFY(m_view->width() >= 400 && m_view->height() >= 300);
    }

    void activatingAnEntryShowsItsPane_data()
    {
        QTest::addColumn<SidebarPane>("pane");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("toolbarItems");
        QTest::newRow("Hello, World!")
            << SidebarPane::helloWorld << u"Hello, World! \u2014 Pillowrock"_s << QStringList{};
        QTest::newRow("What's Up?") << SidebarPane::whatsUp << u"What's Up? \u2014 Pillowrock"_s
                                    << QStringList{u"greetingSearchField"_s, u"shareButton"_s,
                                                   u"trashButton"_s, u"hammerButton"_s};
        QTest::newRow("More Stuff") << SidebarPane::moreStuff << u"Pillowrock"_s << QStringList{};
    }

    void activatingAnEntryShowsItsPane()
    {
        QFETCH(SidebarPane, pane);
        // Start from another pane, so the previous one's toolbar items and subtitle must go.
        clickEntry(pane == SidebarPane::whatsUp ? SidebarPane::helloWorld : SidebarPane::whatsUp);
        clickEntry(pane);
        QCOMPARE(sidebar()->selection(), pane);
        QVERIFY(m_view->detail()->isVisible());
        QTEST(m_window->windowTitle(), "title");
        QTEST(paneToolbarItems(), "toolbarItems");
        // Activating the shown entry again keeps the pane as it is, not a new one.
        const QPointer<Pane> shown = m_view->detail();
        clickEntry(pane);
        QVERIFY(shown && m_view->detail() == shown);
    }

    void selectionOnlyEverLandsOnAnEntry()
    {
        clickEntry(SidebarPane::moreStuff);
        Pane *shown = m_view->detail();
        // A header, the empty space below, and Ctrl+click (a plain list's deselection).
        const QPoint header = list()->visualItemRect(list()->item(0)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, header);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          QPoint(20, list()->viewport()->height() - 5));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          entryCentre(SidebarPane::moreStuff));
        QCOMPARE(sidebar()->selection(), SidebarPane::moreStuff);
        QCOMPARE(m_view->detail(), shown);

        // Arrow keys step over the headers and stop at the ends.
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up})
            QTest::keyClick(list(), key);
        QCOMPARE(sidebar()->selection(), SidebarPane::helloWorld);
        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(sidebar()->selection(), SidebarPane::whatsUp);
    }

    void sidebarWidthStaysWithinLimits_data()
    {
        QTest::addColumn<int>("drag");
        QTest::addColumn<int>("expected");
        QTest::newRow("within") << 60 << 240;
        QTest::newRow("far right") << 500 << Sidebar::maximumWidth;
        QTest::newRow("left of the minimum") << -120 << Sidebar::minimumWidth;
    }

    void sidebarWidthStaysWithinLimits()
    {
        QFETCH(int, drag);
        QFETCH(int, expected);
        QCOMPARE(sidebar()->width(), Sidebar::minimumWidth);
        dragSidebarEdge(drag);
        QCOMPARE(sidebar()->width(), expected);
        // Resizing the window, or hiding and showing the column, keeps the user's width.
        m_window->resize(1100, 700);
        m_view->toggleSidebarAction()->trigger();
        QVERIFY(!sidebar()->isVisible());
        m_view->toggleSidebarAction()->trigger();
        QTRY_COMPARE(sidebar()->width(), expected);
    }

    void backgroundFollowsTheAppearanceWhileShown()
    {
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        // grab() paints the window background first, so a transparent fill would show it.
        const auto corner = [this] { return m_view->detail()->grab().toImage().pixelColor(2, 2); };
        QCOMPARE(corner(), QColor(Qt::white));
        QApplication::setPalette(dark);
        QTRY_COMPARE(corner(), dark.color(QPalette::Window));
        QApplication::setPalette(light);
        QTRY_COMPARE(corner(), QColor(Qt::white));
    }

    void everyControlHasAnAccessibleName()
    {
        clickEntry(SidebarPane::whatsUp);
        for (QWidget *control : m_window->findChildren<QWidget *>()) {
            if ((qobject_cast<QAbstractButton *>(control) || qobject_cast<QLineEdit *>(control) ||
                 control == list()) &&
                control->isVisible())
                QVERIFY2(!QAccessible::queryAccessibleInterface(control)
                              ->text(QAccessible::Name)
                              .isEmpty(),
                         qPrintable(control->objectName()));
        }
    }

private:
    Sidebar *sidebar() const { return m_view->sidebar(); }
    QListWidget *list() const { return sidebar()->list(); }

    QPoint entryCentre(SidebarPane pane) const
    {
        return list()->visualItemRect(sidebar()->itemFor(pane)).center();
    }

    void clickEntry(SidebarPane pane)
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, entryCentre(pane));
    }

    // The object names of the toolbar's widgets after the sidebar toggle and its spacer.
    QStringList paneToolbarItems() const
    {
        QStringList names;
        auto *toolBar = m_window->findChild<QToolBar *>(u"mainToolBar"_s);
        for (QAction *action : toolBar->actions().mid(2))
            names.append(toolBar->widgetForAction(action)->objectName());
        return names;
    }

    // Drags the handle between the two columns by dx, as a user's mouse would.
    void dragSidebarEdge(int dx)
    {
        QWidget *handle = m_view->findChild<QSplitter *>(u"mainSplitter"_s)->handle(1);
        const QPoint start = handle->rect().center();
        const QPoint end = start + QPoint(dx, 0);
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        QMouseEvent move(QEvent::MouseMove, end, handle->mapToGlobal(end), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &move);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, end);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<MainScene> m_scene;
    QMainWindow *m_window = nullptr;
    MainView *m_view = nullptr;
};

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
