#include "window/ApplyAlwaysOnTop.h"
#include "window/LevelledWindow.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

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
        QTest::newRow("repeats are applied again")
            << QList<bool>{true, true, false, false} << on + on + off + off;
    }

    void rule()
    {
        QFETCH(QList<bool>, switches);
        RecordingWindow window;
        for (bool on : switches)
            applyAlwaysOnTop(&window, on);
        QTEST(window.calls, "expected");
        applyAlwaysOnTop(nullptr, true); // no window yet: nothing to do, no crash
    }
};

QTEST_GUILESS_MAIN(ApplyAlwaysOnTopTest)
#include "tst_applyalwaysontop.moc"
