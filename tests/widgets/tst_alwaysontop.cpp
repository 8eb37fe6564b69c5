#include "app/Preferences.h"
#include "window/AlwaysOnTop.h"
#include "window/AlwaysOnTopCommand.h"
#include "window/WindowReflection.h"

#include <QMainWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

bool isOnTop(const QWidget *window)
{
    return window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace

class AlwaysOnTopTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_preferences =
            std::make_unique<Preferences>(m_dir.filePath(u"prefs-%1.ini"_s.arg(++m_run)));
    }

    void cleanup() { m_preferences.reset(); }

    void reflectionCapturesOneTurnLater()
    {
        QMainWindow window;
        auto *reflection = new WindowReflection(&window);
        QSignalSpy captured(reflection, &WindowReflection::captured);
        window.show();
        QVERIFY(!reflection->hasCaptured());
        QVERIFY(!reflection->hostWindow());
        QVERIFY(captured.wait());
        QCOMPARE(reflection->hostWindow(), window.windowHandle());
        QCOMPARE(captured.count(), 1);
        QVERIFY(!reflection->isVisible());
    }

    void closedWindowDoesNotDangle()
    {
        auto *window = new QMainWindow;
        auto *outside = new QWidget;
        auto *reflection = new WindowReflection(outside);
        window->show();
        QTRY_VERIFY(reflection->hasCaptured());
        // Captured outside any created window: none, and not looked for again.
        QVERIFY(!reflection->hostWindow());

        auto *inside = new WindowReflection(window);
        QTRY_VERIFY(inside->hasCaptured());
        QPointer<QWindow> host = inside->hostWindow();
        QVERIFY(host);
        delete window;
        QVERIFY(!host);
        delete outside;
    }

    void storedChoiceAppliedAtCapture_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::newRow("stored on") << true;
        QTest::newRow("stored off") << false;
    }

    void storedChoiceAppliedAtCapture()
    {
        QFETCH(bool, stored);
        m_preferences->setAlwaysOnTop(stored);
        QMainWindow window;
        auto *alwaysOnTop = new AlwaysOnTop(*m_preferences, &window);
        window.show();
        QTRY_VERIFY(alwaysOnTop->window());
        QCOMPARE(isOnTop(&window), stored);
        QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), stored);
    }

    void changeBeforeCaptureCountsAtCapture()
    {
        QMainWindow window;
        auto *alwaysOnTop = new AlwaysOnTop(*m_preferences, &window);
        window.show();
        m_preferences->setAlwaysOnTop(true);
        m_preferences->setAlwaysOnTop(false);
        m_preferences->setAlwaysOnTop(true);
        QVERIFY(!alwaysOnTop->window());
        QTRY_VERIFY(alwaysOnTop->window());
        QVERIFY(isOnTop(&window));
    }

    void everyWindowFollowsEveryChangeWithoutBeingHidden()
    {
        QMainWindow first;
        QMainWindow second;
        auto *firstOnTop = new AlwaysOnTop(*m_preferences, &first);
        auto *secondOnTop = new AlwaysOnTop(*m_preferences, &second);
        first.show();
        second.show();
        QTRY_VERIFY(firstOnTop->window() && secondOnTop->window());
        QSignalSpy firstHidden(first.windowHandle(), &QWindow::visibleChanged);
        const WId firstId = first.winId();

        for (bool on : {true, false, true}) {
            m_preferences->setAlwaysOnTop(on);
            QCOMPARE(isOnTop(&first), on);
            QCOMPARE(isOnTop(&second), on);
        }
        QVERIFY(first.isVisible());
        QCOMPARE(first.winId(), firstId);
        QCOMPARE(firstHidden.count(), 0);
    }

    void menuItemAndPreferenceInStep()
    {
        QWidget owner;
        AlwaysOnTopCommand command(*m_preferences, &owner);
        QCOMPARE(command.text(), u"Toggle Always on Top"_s);
        QVERIFY(command.isCheckable());
        QVERIFY(command.shortcut().isEmpty());
        QVERIFY(!command.isChecked());

        command.trigger();
        QVERIFY(m_preferences->isAlwaysOnTop());
        QVERIFY(command.isChecked());

        // Another control (the Hello World checkbox) flips it back.
        m_preferences->setAlwaysOnTop(false);
        QVERIFY(!command.isChecked());

        // A second menu bar's item (another main window) sees the same change.
        AlwaysOnTopCommand other(*m_preferences, &owner);
        command.trigger();
        QVERIFY(other.isChecked());

        // The choice outlives the process.
        const QString file = m_preferences->fileName();
        m_preferences.reset();
        QVERIFY(Preferences(file).isAlwaysOnTop());
    }

private:
    QTemporaryDir m_dir;
    int m_run = 0;
    std::unique_ptr<Preferences> m_preferences;
};

QTEST_MAIN(AlwaysOnTopTest)

#include "tst_alwaysontop.moc"
