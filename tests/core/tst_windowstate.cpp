#include "Files.h"

#include "app/core/WindowState.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Screens = QList<QRect>;

class WindowStateTest : public QObject
{
    Q_OBJECT

private slots:
    void placedFrame_data()
    {
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QRect>("placed");
        const Screens two{QRect(0, 0, 1280, 800), QRect(1280, 100, 1024, 700)};
        QTest::newRow("fits: as left")
            << QRect(100, 50, 900, 600) << two << QRect(100, 50, 900, 600);
        QTest::newRow("no screens: the minimum holds")
            << QRect(100, 50, 50, 40) << Screens{} << QRect(100, 50, 400, 300);
        QTest::newRow("mostly on the second screen: moved onto it")
            << QRect(1500, 50, 900, 600) << two << QRect(1404, 100, 900, 600);
        QTest::newRow("monitor gone: on the first, shrunk to it")
            << QRect(3000, 900, 2000, 1000) << two << QRect(0, 0, 1280, 800);
        QTest::newRow("screen below the minimum: the minimum wins")
            << QRect(0, 0, 900, 600) << Screens{QRect(0, 0, 320, 240)} << QRect(0, 0, 400, 300);
    }

    void placedFrame()
    {
        QFETCH(QRect, saved);
        QFETCH(Screens, screens);
        QTEST(::placedFrame(saved, screens, QSize(400, 300)), "placed");
    }

    void storedStateReadsBackOrNotAtAll_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("readable");
        const QByteArray state = "[MainWindow]\nx=-20\ny=30\nwidth=900\nheight=600\n"
                                 "sidebarWidth=240\nmaximized=true\n";
        QTest::newRow("as written") << state << true;
        QTest::newRow("absent") << QByteArray() << false;
        QTest::newRow("a word for a number")
            << QByteArray(state).replace("width=900", "width=wide") << false;
        QTest::newRow("no size") << QByteArray(state).replace("height=600", "height=0") << false;
        QTest::newRow("a number for a boolean")
            << QByteArray(state).replace("maximized=true", "maximized=1") << false;
        QTest::newRow("garbage") << QByteArray("\xff\0[Main", 7) << false;
    }

    void storedStateReadsBackOrNotAtAll()
    {
        QFETCH(QByteArray, file);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"state.conf"_s);
        QVERIFY(writeFile(path, file));
        const std::optional<WindowState> state = WindowStateStore(path).read();
        QTEST(state.has_value(), "readable");
        if (!state)
            return;
        QCOMPARE(state->frame, QRect(-20, 30, 900, 600));
        QCOMPARE(state->sidebarWidth, 240);
        QVERIFY(state->maximized);
        // What is written reads back the same from a fresh file.
        const QString copy = folder.filePath(u"copy.conf"_s);
        WindowStateStore(copy).write(*state);
        const std::optional<WindowState> again = WindowStateStore(copy).read();
        QVERIFY(again && again->frame == state->frame && again->maximized);
    }
};

QTEST_GUILESS_MAIN(WindowStateTest)
#include "tst_windowstate.moc"
