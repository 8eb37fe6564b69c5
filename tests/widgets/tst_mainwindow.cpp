#include "AppTest.h"
#include "Files.h"

#include "navigation/Pane.h"
#include "panes/Panes.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

static QSettings windowStateFile()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope,
                     QCoreApplication::organizationName(),
                     QCoreApplication::applicationName() + u"-state"_s);
}

// The shape of an editor: it fills the column, takes Tab as text, names its document in the title
// once one is open and has a toolbar action.
class EditorPane final : public Pane
{
public:
    explicit EditorPane(QAction *tool = new QAction(u"Open"_s))
        : Pane(new QPlainTextEdit, Layout::filled)
    {
        addToolbarAction(tool);
    }
    void open(const QString &name) { setSubtitle(name); }
};

// The main window's frame, menus, toolbar, title and keyboard, whichever pane it shows.
class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // Each test's window opens at the default frame, whatever the last one was left at.
    void init() { windowStateFile().clear(); }
    void cleanup() { closeAllWindows(); }

    // The frame and the columns come back as the user left them, no larger than the screen.
    void windowReopensAsLeft()
    {
        MainWindow *window = m_app.scene.openMainWindow();
        const QRect room = window->screen()->availableGeometry();
        window->findChild<QSplitter *>()->setSizes({250, 650});
        window->setGeometry(QRect(room.topLeft() + QPoint(10, 10), room.size() * 2));
        closeAndDelete(window);
        window = m_app.scene.openMainWindow();
        // Qt from 6.8, which shrinks the window itself, also leaves room for the frame.
        QCOMPARE(window->size().boundedTo(room.size()), window->size());
        QCOMPARE_GT(window->width(), room.width() * 9 / 10);
        QCOMPARE(window->view()->sidebar()->width(), 250);
    }

    // A variant claiming gigabytes: from Qt 6.11 reading it throws.
    void damagedStateOpensTheDefaultFrame()
    {
        QVERIFY(writeFile(windowStateFile().fileName(),
                          "[MainWindow]\ngeometry=@Variant(\\0\\0\\0\\x\\11x\xff\t)\n"));
        MainWindow *window = m_app.scene.openMainWindow();
        QCOMPARE(window->size(), MainWindow::defaultSize);
        closeAndDelete(window); // which stores the frame as it is now
        QVERIFY(!windowStateFile().value(u"MainWindow/geometry"_s).toByteArray().isEmpty());
    }

    // The toolbar's overflow icon, which the app's style hands over late: the pixels come at the
    // scale asked for, whichever size Qt hands the engine (device pixels before 6.8, logical
    // since). The symbols are measured in tst_appearance.
    void overflowIconAtTheAskedScale()
    {
        const QIcon icon = qApp->style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        for (const qreal scale : {1.0, 2.0}) {
            const QPixmap pixmap = icon.pixmap(QSize(16, 16), scale);
            QCOMPARE(pixmap.devicePixelRatio(), scale);
            QCOMPARE(pixmap.deviceIndependentSize().width(), 16);
        }
    }

    void menusInOrderWithTheirShortcuts()
    {
        QStringList items;
        for (const QAction *menu : openActiveMainWindow(m_app)->menuBar()->actions()) {
            for (const QAction *item : menu->menu()->actions()) {
                const QString text = item->text() + u' ' + item->shortcut().toString();
                items.append(menu->text() + u" > "_s +
                             (item->isSeparator() ? u"-"_s : text.trimmed()));
            }
        }
        // A list, so that a failure names the first item out of place. Quit takes the platform's
        // standard key, which the offscreen platform lacks.
        QCOMPARE(items.replaceInStrings(u"&"_s, QString()),
                 QString(u"File > Export…|File > -|File > Settings… Ctrl+,|File > -|File > Quit|"
                         "Edit > Undo Ctrl+Z|Edit > Redo Ctrl+Y|Edit > -|Edit > Cut Ctrl+X|"
                         "Edit > Copy Ctrl+C|Edit > Paste Ctrl+V|Edit > Delete Del|Edit > -|"
                         "Edit > Select All Ctrl+A|View > Toggle Sidebar Ctrl+Alt+S|"
                         "Window > Minimize Ctrl+M|Window > Zoom|Window > -|"
                         "Window > Toggle Always on Top|Commands > Build Ctrl+B|Commands > -|"
                         "Commands > Do Stuff Ctrl+D|Help > About "_s +
                         QCoreApplication::applicationName())
                     .split(u'|'));
    }

    // Tab goes round the whole window from the sidebar, whichever pane is shown; a widget that
    // takes Tab as text (an editor) is left with Ctrl+Tab.
    void tabReachesTheSidebarSearchFromTheList_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("nothing selected") << -1;
        for (int row = 0; row < registeredPanes().size(); ++row)
            QTest::newRow(registeredPanes().at(row).entry.title) << row;
        QTest::newRow("an editor") << int(registeredPanes().size());
    }

    void tabReachesTheSidebarSearchFromTheList()
    {
        QFETCH(int, row);
        MainWindow *window = openActiveMainWindow(m_app);
        QVERIFY(window);
        if (row == registeredPanes().size())
            window->view()->showDetail(new EditorPane);
        else if (row >= 0)
            showPane(window, registeredPanes().at(row).entry.pane);
        QCoreApplication::sendPostedEvents();
        window->findChild<QListWidget *>(u"sidebarList"_s)->setFocus(Qt::OtherFocusReason);
        auto *search = window->findChild<QLineEdit *>(u"sidebarSearchField"_s);
        for (int i = 0; i < 20 && !search->hasFocus(); ++i) {
            QWidget *focused = QApplication::focusWidget();
            QTest::keyClick(focused, Qt::Key_Tab);
            if (QApplication::focusWidget() == focused)
                QTest::keyClick(focused, Qt::Key_Tab, Qt::ControlModifier);
        }
        QVERIFY(search->hasFocus());
    }

    // A pane's action shows as Qt shows actions, follows its state live and leaves the toolbar
    // with the pane, also when the pane does not own it; the title names the pane's document.
    void toolbarShowsThePaneActionsWhileShown_data()
    {
        QTest::addColumn<bool>("ownedByPane");
        QTest::newRow("owned by the pane") << true;
        QTest::newRow("owned elsewhere") << false;
    }

    void toolbarShowsThePaneActionsWhileShown()
    {
        QFETCH(bool, ownedByPane);
        MainWindow *window = openActiveMainWindow(m_app);
        QVERIFY(window);
        QObject owner;
        QPointer<QAction> action = new QAction(ownedByPane ? nullptr : &owner);
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
        auto *editor = new EditorPane(action);
        window->view()->showDetail(editor);
        QCOMPARE(window->windowTitle(), QGuiApplication::applicationDisplayName());
        editor->open(u"Notes.txt"_s);
        QCOMPARE(window->windowTitle(), u"Notes.txt"_s);
        auto *toolBar = window->findChild<QToolBar *>(u"mainToolBar"_s);
        auto *button = qobject_cast<QToolButton *>(toolBar->widgetForAction(action));
        QTRY_VERIFY(button && button->isVisible());
        QCOMPARE(button->focusPolicy(), Qt::TabFocus); // a key to reach it by
        QSignalSpy triggered(action.get(), &QAction::triggered);
        for (const bool enabled : {false, true}) {
            action->setEnabled(enabled);
            QCOMPARE(button->isEnabled(), enabled);
            QTest::mouseClick(button, Qt::LeftButton);
            QTest::keyClick(window, Qt::Key_O, Qt::ControlModifier);
        }
        QCOMPARE(triggered.size(), 2);
        window->view()->showDetail(new EditorPane);
        QCOMPARE(!action, ownedByPane);
        QVERIFY(!action || !toolBar->actions().contains(action));
    }

private:
    AppParts m_app;
};

APP_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
