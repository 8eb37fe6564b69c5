#include "AppTest.h"
#include "Files.h"

#include "app/MainView.h"
#include "app/MainWindow.h"
#include "commands/ExportCommands.h"
#include "common/SymbolIcon.h"
#include "navigation/Pane.h"
#include "navigation/Sidebar.h"
#include "panes/Panes.h"
#include "window/AlwaysOnTop.h"
#include "window/WindowReflection.h"
#include "windows/AboutCommand.h"
#include "windows/AboutWindow.h"
#include "windows/AttributionsWindow.h"
#include "windows/SettingsWindow.h"
#include "windows/core/BundleInfo.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QSplitter>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

using namespace Qt::StringLiterals;
using Opener = QWidget *(*)();

static QSettings windowStateFile()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope,
                     QCoreApplication::organizationName(),
                     QCoreApplication::applicationName() + u"-state"_s);
}

static bool staysOnTop(const QWidget *window)
{
    return window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
}

// The shape of an editor: it fills the column, and names its document in the title once one is
// open.
class EditorPane final : public Pane
{
public:
    EditorPane()
        : Pane(new QPlainTextEdit, Layout::filled)
    {}
    void open(const QString &name) { setSubtitle(name); }
    void addTool() { addToolbarItem(new QToolButton); }
};

class WidgetsTest : public QObject
{
    Q_OBJECT

public:
    explicit WidgetsTest(AppParts &app)
        : m_app(app)
    {}

private slots:
    void init()
    {
        m_app.preferences.setAlwaysOnTop(false);
        // Each test's window opens at the default frame, whatever the last one was left at.
        windowStateFile().clear();
    }
    // A failed check leaves its windows open; later tests count on there being none.
    void cleanup() { closeAll<QWidget>(); }

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

    // Sharp at any scale: the pixels come at the scale asked for, whichever Qt hands the engine
    // which size (device pixels before 6.8, device-independent since).
    void iconsAtTheAskedScale_data()
    {
        QTest::addColumn<QIcon>("icon");
        QTest::addColumn<qreal>("scale");
        const QIcon symbol = symbolIcon(u"sidebar.left"_s);
        const QIcon overflow =
            qApp->style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        for (const qreal scale : {1.0, 2.0}) {
            QTest::addRow("symbol at %g", scale) << symbol << scale;
            QTest::addRow("toolbar overflow at %g", scale) << overflow << scale;
        }
    }

    void iconsAtTheAskedScale()
    {
        QFETCH(QIcon, icon);
        QFETCH(qreal, scale);
        const QPixmap pixmap = icon.pixmap(QSize(16, 16), scale);
        QCOMPARE(pixmap.devicePixelRatio(), scale);
        QCOMPARE(pixmap.deviceIndependentSize().width(), 16);
    }

    void menusInOrderWithTheirShortcuts()
    {
        QStringList items;
        for (const QAction *menu : mainWindow()->menuBar()->actions()) {
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

    // A name is data: its ampersand is no mnemonic.
    void aboutCommandShowsTheNameAsItIs()
    {
        const BundleInfo bundle(QVariantMap{{BundleInfo::nameKey.toString(), u"Tom & Jerry"_s}});
        QCOMPARE(AboutCommand(bundle, nullptr).text(), u"About Tom && Jerry"_s);
    }

    // The Edit items act on the focused field; a password field's text never reaches the clipboard.
    void editItemsFollowTheFocusedField_data()
    {
        QTest::addColumn<QLineEdit::EchoMode>("echo");
        QTest::newRow("text") << QLineEdit::Normal;
        QTest::newRow("password") << QLineEdit::Password;
    }

    void editItemsFollowTheFocusedField()
    {
        QFETCH(QLineEdit::EchoMode, echo);
        MainWindow *window = mainWindow();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *field = new QLineEdit(u"secret"_s, window->view()->detail());
        field->setEchoMode(echo);
        field->show();
        field->setFocus();
        field->selectAll();
        const auto enabled = [window](const char *name) {
            return window->findChild<QAction *>(QString::fromLatin1(name))->isEnabled();
        };
        QCOMPARE(std::pair(enabled("copyAction"), enabled("cutAction")),
                 std::pair(echo == QLineEdit::Normal, echo == QLineEdit::Normal));
        QVERIFY(enabled("deleteAction") && enabled("selectAllAction"));
    }

    // The real save dialog, answered as a user would: the file is written where they chose, or
    // the failure is reported and nothing is left there.
    void exportSavesWhereTheUserChose_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("saved") << true;
        QTest::newRow("cannot be written") << false;
    }

    void exportSavesWhereTheUserChose()
    {
        QFETCH(bool, writable);
        MainWindow *window = mainWindow();
        auto *exporter = window->findChild<ExportCommands *>();
        QSignalSpy finished(exporter, &ExportCommands::exportFinished);
        const auto dialog = [window] {
            return window->findChild<QFileDialog *>(u"exportDialog"_s);
        };
        window->findChild<QAction *>(u"exportAction"_s)->trigger();
        QVERIFY(dialog() && dialog()->isVisible());
        // Nothing can be created below a regular file, whoever runs the test.
        const QTemporaryDir folder;
        const QString path =
            (writable ? folder.path() : QCoreApplication::applicationFilePath()) + u"/Chosen.tsv"_s;
        dialog()->selectFile(path);
        static_cast<QDialog *>(dialog())->accept(); // as the Save button does
        QCOMPARE(finished, QList<QVariantList>{{writable}});
        QCOMPARE(readFile(path).startsWith("Name\tNumber\n"), writable);
        auto *message = window->findChild<QMessageBox *>(u"exportFailedMessage"_s);
        QCOMPARE(message && message->isVisible(), !writable);
        if (message) {
            QVERIFY(message->text().contains(QDir::toNativeSeparators(path)));
            message->accept();
        }
        QTRY_VERIFY(!dialog());
        window->findChild<QAction *>(u"exportAction"_s)->trigger(); // and the dialog comes again
        QVERIFY(dialog() && dialog()->isVisible());
        dialog()->reject();
        QCOMPARE(finished.size(), 2);
        QTRY_VERIFY(!dialog());
    }

    // Tab goes round the whole window from the sidebar, whichever pane is shown.
    void tabReachesTheSidebarSearchFromTheList_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("nothing selected") << -1;
        for (int row = 0; row < registeredPanes().size(); ++row)
            QTest::newRow(registeredPanes().at(row).entry.title) << row;
    }

    void tabReachesTheSidebarSearchFromTheList()
    {
        QFETCH(int, row);
        MainWindow *window = mainWindow();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *list = window->findChild<QListWidget *>(u"sidebarList"_s);
        if (row >= 0)
            list->setCurrentItem(
                window->view()->sidebar()->itemFor(registeredPanes().at(row).entry.pane));
        QCoreApplication::sendPostedEvents();
        list->setFocus(Qt::OtherFocusReason);
        for (int i = 0;
             i < 20 && !window->findChild<QLineEdit *>(u"sidebarSearchField"_s)->hasFocus(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(window->findChild<QLineEdit *>(u"sidebarSearchField"_s)->hasFocus());
    }

    void titleAndToolbarFollowTheShownPane()
    {
        MainWindow *window = mainWindow();
        auto *editor = new EditorPane;
        m_view->showDetail(editor);
        QCOMPARE(window->windowTitle(), QGuiApplication::applicationDisplayName());
        editor->open(u"Notes.txt"_s);
        QCOMPARE(window->windowTitle(), u"Notes.txt"_s);
        editor->addTool();
        QVERIFY(window->findChild<QToolBar *>(u"mainToolBar"_s)
                    ->actions()
                    .contains(editor->toolbarActions().constLast()));
    }

    // A window shown long after it was made is kept on top when it shows, by the choice made last;
    // the level is set on the window as it is: it is never hidden or made anew.
    void windowShownLaterTakesTheChoiceMadeLast()
    {
        QMainWindow window;
        new AlwaysOnTop(m_app.preferences, &window); // the window owns it
        QSignalSpy captured(window.findChild<WindowReflection *>(), &WindowReflection::captured);
        QVERIFY(captured.wait()); // the first look-up finds no window to keep on top
        for (bool on : {true, false, true})
            m_app.preferences.setAlwaysOnTop(on);
        window.show();
        QTRY_VERIFY(staysOnTop(&window));
        QSignalSpy hidden(window.windowHandle(), &QWindow::visibleChanged);
        const WId id = window.winId();
        for (bool on : {true, false, true}) {
            m_app.preferences.setAlwaysOnTop(on);
            QCOMPARE(staysOnTop(&window), on);
        }
        QVERIFY(window.winId() == id && hidden.isEmpty());
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    // Switching on brings the main window forward with the keyboard; switching off leaves the
    // keyboard where it is.
    void switchingOnActivatesTheMainWindowOffDoesNot()
    {
        MainWindow *window = mainWindow();
        QWidget other;
        other.show();
        for (bool on : {true, false}) {
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            m_app.preferences.setAlwaysOnTop(on);
            QTRY_COMPARE(QApplication::activeWindow(), on ? window : &other);
            QCOMPARE(staysOnTop(window), on);
        }
    }

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
        QPointer<QWidget> first = open(), second = open();
        QVERIFY(first != second && first->isVisible() && second->isVisible());
        QVERIFY(second->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        closeAndDelete(second);
        QVERIFY(!second && first->isVisible());
        const qsizetype widgets = QApplication::allWidgets().size();
        for (int i = 0; i < 20; ++i)
            closeAndDelete(open());
        QCOMPARE(QApplication::allWidgets().size(), widgets);
    }

    void settingsStoreEveryKeystroke()
    {
        m_app.preferences.setName(u"x"_s);
        QPointer<SettingsWindow> window = m_app.scene.openSettingsWindow();
        QSignalSpy stored(&m_app.preferences, &Preferences::nameChanged);
        auto *field = window->findChild<QLineEdit *>(u"nameField"_s);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, u"Zo"_s);
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, u"ë"_s, Qt::NoModifier);
        QCOMPARE(stored, (QList<QVariantList>{{QString()}, {u"Z"_s}, {u"Zo"_s}, {u"Zoë"_s}}));
        // Stored as typed: closing loses nothing, and the next window shows it.
        closeAndDelete(window);
        QCOMPARE(Preferences().name(), u"Zoë"_s);
        QCOMPARE(m_app.scene.openSettingsWindow()->findChild<QLineEdit *>(u"nameField"_s)->text(),
                 u"Zoë"_s);
    }

private:
    MainWindow *mainWindow()
    {
        MainWindow *window = m_app.scene.openMainWindow();
        window->resize(900, 600);
        m_view = window->view();
        return QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }

    AppParts &m_app;
    MainView *m_view = nullptr;
};

int main(int argc, char *argv[])
{
    return runWithApp<WidgetsTest>(argc, argv);
}
#include "tst_widgets.moc"
