#include "IsolatedSettings.h"

#include "app/MainScene.h"
#include "app/MainView.h"
#include "app/Preferences.h"
#include "navigation/EmptyPane.h"
#include "navigation/Sidebar.h"
#include "navigation/SidebarFooter.h"
#include "panes/HelloWorldPane.h"
#include "panes/MoreStuffPane.h"
#include "panes/WhatsUpPane.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QSplitter>
#include <QStyle>
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
        m_preferences = std::make_unique<Preferences>(m_settings.path() + u"/prefs.ini"_s);
        m_scene = std::make_unique<MainScene>(*m_preferences);
        m_window = m_scene->openMainWindow();
        m_window->resize(900, 600);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_view = m_window->findChild<MainView *>();
        QVERIFY(m_view);
    }

    void cleanup()
    {
        delete m_window;
        m_scene.reset();
        m_preferences.reset();
    }

    void startsWithNothingSelected()
    {
        QCOMPARE(sidebar()->selection(), std::nullopt);
        QVERIFY(list()->selectedItems().isEmpty());
        QVERIFY(qobject_cast<EmptyPane *>(m_view->detail()));
        QCOMPARE(m_window->windowTitle(), u"Pillowrock"_s);
        // No text field holds the keyboard at start.
        QTRY_COMPARE(QApplication::focusWidget(), list());
    }

    void listsTwoSectionsWithOnlyEntriesSelectable()
    {
        // The sidebar's search text is kept but filters nothing.
        QTest::keyClicks(sidebar()->findChild<QLineEdit *>(u"sidebarSearchField"_s), u"zzz"_s);
        QCOMPARE(sidebar()->searchText(), u"zzz"_s);
        const QStringList rows{u"General"_s, u"Hello, World!"_s, u"What's Up?"_s, u"More"_s,
                               u"More Stuff"_s};
        const QList<bool> selectable{false, true, true, false, true};
        QCOMPARE(list()->count(), rows.size());
        for (int row = 0; row < rows.size(); ++row) {
            QListWidgetItem *item = list()->item(row);
            QCOMPARE(item->text(), rows[row]);
            QVERIFY(!item->isHidden());
            QCOMPARE(bool(item->flags() & Qt::ItemIsSelectable), selectable[row]);
            QCOMPARE(!item->icon().isNull(), selectable[row]);
        }
    }

    void activatingAnEntryShowsItsPane_data()
    {
        QTest::addColumn<SidebarPane>("pane");
        QTest::addColumn<QString>("paneName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("toolbarItems");

        QTest::newRow("Hello, World!") << SidebarPane::helloWorld << u"helloWorldPane"_s
                                       << u"Hello, World! \u2014 Pillowrock"_s << QStringList{};
        QTest::newRow("What's Up?")
            << SidebarPane::whatsUp << u"whatsUpPane"_s << u"What's Up? \u2014 Pillowrock"_s
            << QStringList{u"greetingSearchField"_s, u"shareButton"_s, u"trashButton"_s,
                           u"hammerButton"_s};
        QTest::newRow("More Stuff")
            << SidebarPane::moreStuff << u"moreStuffPane"_s << u"Pillowrock"_s << QStringList{};
    }

    void activatingAnEntryShowsItsPane()
    {
        QFETCH(SidebarPane, pane);
        QFETCH(QString, paneName);
        QFETCH(QString, title);
        QFETCH(QStringList, toolbarItems);

        clickEntry(pane);
        QCOMPARE(sidebar()->selection(), pane);
        QVERIFY(sidebar()->itemFor(pane)->isSelected());
        QCOMPARE(m_view->detail()->objectName(), paneName);
        QVERIFY(m_view->detail()->isVisible());
        QCOMPARE(m_window->windowTitle(), title);
        QCOMPARE(paneToolbarItems(), toolbarItems);
    }

    void reactivatingTheShownEntryKeepsThePane()
    {
        clickEntry(SidebarPane::whatsUp);
        auto *shown = qobject_cast<WhatsUpPane *>(m_view->detail());
        QVERIFY(shown);
        QTest::keyClicks(shown->searchField(), u"o"_s);

        clickEntry(SidebarPane::whatsUp);
        QCOMPARE(m_view->detail(), shown);
        QCOMPARE(shown->searchText(), u"o"_s);

        // Another pane takes the toolbar items and the subtitle with the old one; coming back
        // builds it anew.
        clickEntry(SidebarPane::moreStuff);
        QCOMPARE(paneToolbarItems(), QStringList{});
        QVERIFY(!m_window->findChild<QLineEdit *>(u"greetingSearchField"_s));
        QCOMPARE(m_window->windowTitle(), u"Pillowrock"_s);
        clickEntry(SidebarPane::whatsUp);
        auto *rebuilt = qobject_cast<WhatsUpPane *>(m_view->detail());
        QVERIFY(rebuilt);
        QCOMPARE(rebuilt->searchText(), QString());
    }

    void headersAndEmptySpaceChangeNothing()
    {
        clickEntry(SidebarPane::moreStuff);
        Pane *shown = m_view->detail();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(list()->item(0)).center());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          QPoint(20, list()->viewport()->height() - 5));
        // Ctrl+click would deselect in a plain list; a sidebar keeps its selection.
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          entryCentre(SidebarPane::moreStuff));
        QCOMPARE(sidebar()->selection(), SidebarPane::moreStuff);
        QVERIFY(sidebar()->itemFor(SidebarPane::moreStuff)->isSelected());
        QCOMPARE(m_view->detail(), shown);
    }

    void arrowKeysSkipTheHeaders()
    {
        clickEntry(SidebarPane::whatsUp);
        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(sidebar()->selection(), SidebarPane::moreStuff);
        QTest::keyClick(list(), Qt::Key_Up);
        QTest::keyClick(list(), Qt::Key_Up);
        QCOMPARE(sidebar()->selection(), SidebarPane::helloWorld);
        QTest::keyClick(list(), Qt::Key_Up);
        QCOMPARE(sidebar()->selection(), SidebarPane::helloWorld);
        QVERIFY(qobject_cast<HelloWorldPane *>(m_view->detail()));
    }

    void sidebarWidthStaysWithinLimits_data()
    {
        QTest::addColumn<int>("drag");
        QTest::addColumn<int>("expected");

        QTest::newRow("within") << 60 << 240;
        QTest::newRow("far right") << 500 << 300;
        QTest::newRow("left of the minimum") << -120 << 180;
    }

    void sidebarWidthStaysWithinLimits()
    {
        QFETCH(int, drag);
        QFETCH(int, expected);

        QCOMPARE(sidebar()->width(), Sidebar::minimumWidth);
        dragSidebarEdge(drag);
        QCOMPARE(sidebar()->width(), expected);

        // Resizing the window leaves the column as the user made it.
        m_window->resize(1100, 700);
        QTRY_COMPARE(m_view->width(), m_window->centralWidget()->width());
        QCOMPARE(sidebar()->width(), expected);
    }

    void toggleCollapsesAndRestoresTheColumn()
    {
        QAction *toggle = m_view->toggleSidebarAction();
        auto *button = toolBar()->findChild<QAbstractButton *>(u"toggleSidebarButton"_s);
        QVERIFY(button);
        QCOMPARE(button->icon().name(), u"sidebar.left"_s);
        dragSidebarEdge(40);

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!sidebar()->isVisible());
        QTRY_COMPARE(m_view->detail()->width(), splitter()->width());

        toggle->trigger();
        QVERIFY(sidebar()->isVisible());
        QTRY_COMPARE(sidebar()->width(), Sidebar::minimumWidth + 40);
    }

    void footerIsPinnedBelowTheList_data()
    {
        QTest::addColumn<int>("drag");
        QTest::addColumn<QSize>("windowSize");

        QTest::newRow("widest column") << 200 << QSize(900, 600);
        QTest::newRow("tall window") << 50 << QSize(700, 1000);
    }

    void footerIsPinnedBelowTheList()
    {
        QFETCH(int, drag);
        QFETCH(QSize, windowSize);

        m_window->resize(windowSize);
        dragSidebarEdge(drag);
        auto *footer = sidebar()->findChild<SidebarFooter *>();
        QVERIFY(footer);
        QTRY_COMPARE(footer->height(), SidebarFooter::boxHeight);

        const int margin = sidebar()->style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
        const QRect inSidebar(footer->mapTo(sidebar(), QPoint()), footer->size());
        QCOMPARE(inSidebar.left(), margin);
        QCOMPARE(sidebar()->width() - inSidebar.right() - 1, margin);
        QCOMPARE(sidebar()->height() - inSidebar.bottom() - 1, margin);
        // The list ends above the footer, so its last row can never slide under it.
        const QRect listRect(list()->mapTo(sidebar(), QPoint()), list()->size());
        QVERIFY(listRect.bottom() < inSidebar.top());
    }

    void everyControlHasAnAccessibleName()
    {
        clickEntry(SidebarPane::whatsUp);
        QList<QWidget *> controls;
        for (auto *widget : m_window->findChildren<QAbstractButton *>())
            controls.append(widget);
        for (auto *widget : m_window->findChildren<QLineEdit *>())
            controls.append(widget);
        controls.append(list());
        for (QWidget *control : std::as_const(controls)) {
            if (!control->isVisible())
                continue;
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY(accessible);
            QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(control->objectName()));
        }
    }

private:
    Sidebar *sidebar() const { return m_view->sidebar(); }
    QListWidget *list() const { return sidebar()->list(); }
    QSplitter *splitter() const { return m_view->findChild<QSplitter *>(u"mainSplitter"_s); }
    QToolBar *toolBar() const { return m_window->findChild<QToolBar *>(u"mainToolBar"_s); }

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
        const QList<QAction *> actions = toolBar()->actions();
        for (qsizetype i = 2; i < actions.size(); ++i) {
            QWidget *widget = toolBar()->widgetForAction(actions[i]);
            names.append(widget ? widget->objectName() : actions[i]->objectName());
        }
        return names;
    }

    // Drags the splitter handle between the two columns by dx, as a user's mouse would.
    void dragSidebarEdge(int dx)
    {
        QWidget *handle = splitter()->handle(1);
        const QPoint start = handle->rect().center();
        const QPoint end = start + QPoint(dx, 0);
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        QMouseEvent move(QEvent::MouseMove, end, handle->mapToGlobal(end), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &move);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, end);
    }

    IsolatedSettings m_settings;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<MainScene> m_scene;
    QMainWindow *m_window = nullptr;
    MainView *m_view = nullptr;
};

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
