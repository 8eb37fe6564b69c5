#include "window/ApplyAlwaysOnTop.h"
#include "window/LevelledWindow.h"

#include <QStringList>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Remembers every call in order, so a test sees what happened and in which sequence.
class RecordingWindow final : public LevelledWindow
{
public:
    void raise() override { calls.append(u"raise"_s); }
    void activate() override { calls.append(u"activate"_s); }
    void setLevel(Level level) override
    {
        calls.append(level == Level::Status ? u"level status"_s : u"level normal"_s);
    }

    QStringList calls;
};

} // namespace

class ApplyAlwaysOnTopTest : public QObject
{
    Q_OBJECT

private slots:
    void rule_data()
    {
        QTest::addColumn<QList<bool>>("switches");
        QTest::addColumn<QStringList>("expected");

        const QStringList on{u"raise"_s, u"activate"_s, u"level status"_s};
        const QStringList off{u"level normal"_s};
        QTest::newRow("on: front, key, then lifted") << QList<bool>{true} << on;
        QTest::newRow("off: lowered, not reordered") << QList<bool>{false} << off;
        QTest::newRow("on twice sets the level again") << QList<bool>{true, true} << on + on;
        QTest::newRow("off twice sets the level again") << QList<bool>{false, false} << off + off;
        QTest::newRow("on then off") << QList<bool>{true, false} << on + off;
    }

    void rule()
    {
        QFETCH(QList<bool>, switches);
        QFETCH(QStringList, expected);
        RecordingWindow window;
        for (bool on : switches)
            applyAlwaysOnTop(&window, on);
        QCOMPARE(window.calls, expected);
    }

    void noWindowIsNotAnError()
    {
        applyAlwaysOnTop(nullptr, true);
        applyAlwaysOnTop(nullptr, false);
    }
};

QTEST_GUILESS_MAIN(ApplyAlwaysOnTopTest)

#include "tst_applyalwaysontop.moc"
