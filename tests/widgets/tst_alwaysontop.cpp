#include "app/Preferences.h"
#include "panes/HelloWorldPane.h"
#include "window/AlwaysOnTop.h"
#include "window/AlwaysOnTopCheckbox.h"
#include "window/AlwaysOnTopCommand.h"
#include "window/WindowReflection.h"

#include <QMainWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

bool isOnTop(const QWidget &window)
{
    return window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace

class AlwaysOnTopTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_preferences = std::make_unique<Preferences>(m_dir.filePath(u"%1.ini"_s.arg(++m_run)));
    }

    void storedChoiceCountsAtCapture_data()
    {
        QTest::addColumn<QList<bool>>("changes"); // made after showing, before the capture
        QTest::newRow("stored on") << QList<bool>{true};
        QTest::newRow("stored off") << QList<bool>{false};
        QTest::newRow("changed before capture") << QList<bool>{true, false, true};
    }

    void storedChoiceCountsAtCapture()
    {
        QFETCH(QList<bool>, changes);
        QMainWindow window;
        auto *alwaysOnTop = new AlwaysOnTop(*m_preferences, &window);
        QSignalSpy captured(window.findChild<WindowReflection *>(), &WindowReflection::captured);
        window.show();
        for (bool on : changes)
            m_preferences->setAlwaysOnTop(on);
        // The window is looked up one event-loop turn after showing.
        QVERIFY(!alwaysOnTop->window());
        QVERIFY(captured.wait());
        QCOMPARE(alwaysOnTop->window(), window.windowHandle());
        QCOMPARE(isOnTop(window), changes.last());
    }

    void everyWindowFollowsEveryChangeWithoutBeingHidden()
    {
        QMainWindow first, second;
        auto *firstOnTop = new AlwaysOnTop(*m_preferences, &first);
        auto *secondOnTop = new AlwaysOnTop(*m_preferences, &second);
        first.show();
        second.show();
        QTRY_VERIFY(firstOnTop->window() && secondOnTop->window());
        QSignalSpy hidden(first.windowHandle(), &QWindow::visibleChanged);
        const WId id = first.winId();
        for (bool on : {true, false, true}) {
            m_preferences->setAlwaysOnTop(on);
            QCOMPARE(isOnTop(first), on);
            QCOMPARE(isOnTop(second), on);
        }
        QCOMPARE(first.winId(), id);
        QCOMPARE(hidden.count(), 0);
    }

    void menuItemCheckboxAndPreferenceInStep()
    {
        QWidget owner;
        AlwaysOnTopCommand command(*m_preferences, &owner);
        HelloWorldPane pane(*m_preferences);
        auto *checkbox = pane.findChild<AlwaysOnTopCheckbox *>();
        command.trigger();
        QVERIFY(m_preferences->isAlwaysOnTop() && checkbox->isChecked());
        QTest::mouseClick(checkbox, Qt::LeftButton, {}, checkbox->rect().center());
        QVERIFY(!m_preferences->isAlwaysOnTop() && !command.isChecked());
        command.trigger();
        // A new menu bar (another main window) and the next launch see the choice.
        QVERIFY(AlwaysOnTopCommand(*m_preferences, &owner).isChecked());
        QVERIFY(Preferences(m_preferences->fileName()).isAlwaysOnTop());
    }

private:
    QTemporaryDir m_dir;
    int m_run = 0;
    std::unique_ptr<Preferences> m_preferences;
};

QTEST_MAIN(AlwaysOnTopTest)
#include "tst_alwaysontop.moc"
