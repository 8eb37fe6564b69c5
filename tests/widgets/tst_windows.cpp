#include "AppTest.h"

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
#include <QWindow>

using namespace Qt::StringLiterals;
using Opener = QWidget *(*)();

// The windows besides the main one, the export's dialog, and the level windows are kept at.
class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_app.preferences.setAlwaysOnTop(false); }
    void cleanup() { closeAllWindows(); }

    // A name is data: its ampersand is no mnemonic.
    void aboutCommandShowsTheNameAsItIs()
    {
        const BundleInfo bundle(QVariantMap{{BundleInfo::nameKey.toString(), u"Tom & Jerry"_s}});
        QCOMPARE(AboutCommand(bundle, nullptr).text(), u"About Tom && Jerry"_s);
    }

    // The real save dialog, answered as a user would: a file that cannot be written is reported
    // with its path, and the dialog comes again. Saving one is the desktop suite's.
    void exportReportsAFileItCannotWrite()
    {
        MainWindow *window = openActiveMainWindow(m_app);
        auto *exportAction = window->findChild<QAction *>(u"exportAction"_s);
        const auto dialog = [window] {
            return window->findChild<QFileDialog *>(u"exportDialog"_s);
        };
        exportAction->trigger();
        QVERIFY(dialog() && dialog()->isVisible());
        // Nothing can be created below a regular file, whoever runs the test.
        const QString path = QCoreApplication::applicationFilePath() + u"/Chosen.tsv"_s;
        dialog()->selectFile(path);
        static_cast<QDialog *>(dialog())->accept(); // as the Save button does
        auto *message = window->findChild<QMessageBox *>(u"exportFailedMessage"_s);
        QVERIFY(message && message->isVisible());
        QVERIFY(message->text().contains(QDir::toNativeSeparators(path)));
        message->accept();
        QTRY_VERIFY(!dialog());
        exportAction->trigger();
        QVERIFY(dialog() && dialog()->isVisible());
    }

    // A window shown long after it was made is kept on top when it shows, by the choice made last;
    // the level is set on the window as it is: it is never hidden or made anew. Switching on brings
    // the window forward with the keyboard; switching off leaves the keyboard where it is.
    void windowShownLaterTakesTheChoiceMadeLast()
    {
        QMainWindow window;
        new AlwaysOnTop(m_app.preferences, &window); // the window owns it
        const auto onTop = [&window] {
            return window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
        };
        QSignalSpy captured(window.findChild<WindowReflection *>(), &WindowReflection::captured);
        QVERIFY(captured.wait()); // the first look-up finds no window to keep on top
        for (bool on : {true, false, true})
            m_app.preferences.setAlwaysOnTop(on);
        window.show();
        QTRY_VERIFY(onTop());
        QSignalSpy hidden(window.windowHandle(), &QWindow::visibleChanged);
        const WId id = window.winId();
        QWidget other;
        other.show();
        for (bool on : {false, true}) {
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            m_app.preferences.setAlwaysOnTop(on);
            QCOMPARE(onTop(), on);
            QTRY_COMPARE(QApplication::activeWindow(), on ? &window : &other);
        }
        QVERIFY(window.winId() == id && hidden.isEmpty());
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
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
        // Closing loses nothing, and the next window shows it.
        closeAndDelete(window);
        QCOMPARE(m_app.scene.openSettingsWindow()->findChild<QLineEdit *>(u"nameField"_s)->text(),
                 u"Zoë"_s);
    }

private:
    AppParts m_app;
};

APP_TEST_MAIN(WindowsTest)
#include "tst_windows.moc"
