#include "AppTest.h"
#include "Files.h"

#include "commands/ExportCommands.h"
#include "window/AlwaysOnTop.h"
#include "window/WindowReflection.h"
#include "windows/AboutCommand.h"
#include "windows/AboutWindow.h"
#include "windows/AttributionsWindow.h"
#include "windows/SettingsWindow.h"
#include "windows/core/BundleInfo.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWindow>

using namespace Qt::StringLiterals;
using Opener = QWidget *(*)();

static bool staysOnTop(const QWidget *window)
{
    return window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
}

// The windows besides the main one, the export's dialog, and the level windows are kept at.
class WindowsTest : public QObject
{
    Q_OBJECT

public:
    explicit WindowsTest(AppParts &app)
        : m_app(app)
    {}

private slots:
    void init() { m_app.preferences.setAlwaysOnTop(false); }
    // A failed check leaves its windows open; later tests count on there being none.
    void cleanup() { closeAll<QWidget>(); }

    // A name is data: its ampersand is no mnemonic.
    void aboutCommandShowsTheNameAsItIs()
    {
        const BundleInfo bundle(QVariantMap{{BundleInfo::nameKey.toString(), u"Tom & Jerry"_s}});
        QCOMPARE(AboutCommand(bundle, nullptr).text(), u"About Tom && Jerry"_s);
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
        MainWindow *window = openActiveMainWindow(m_app);
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
        MainWindow *window = openActiveMainWindow(m_app);
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
    AppParts &m_app;
};

int main(int argc, char *argv[])
{
    return runWithApp<WindowsTest>(argc, argv);
}
#include "tst_windows.moc"
