#include "app/PrintLine.h"

#include <QProcess>
#include <QTest>

#include <thread>

using namespace Qt::StringLiterals;

namespace {

constexpr int linesPerThread = 2000;

QByteArray threadLine(int thread, int index)
{
    return u"thread %1 line %2 "_s.arg(thread).arg(index).toUtf8() +
           QByteArray(200, char('a' + thread));
}

// The child process the tests start.
int runChild(const QByteArray &mode)
{
    if (mode == "stepwise") {
        printLine(u"Drop entered!"_s);
        char buffer[8]; // the parent must see the line while this process still runs
        (void)std::fgets(buffer, sizeof buffer, stdin);
        printLine(u"File was dropped: /tmp/Zoë.txt"_s);
        return 0;
    }
    const auto print = [](int thread) {
        for (int i = 0; i < linesPerThread; ++i)
            printLine(QString::fromUtf8(threadLine(thread, i)));
    };
    std::thread first(print, 0), second(print, 1);
    first.join();
    second.join();
    return 0;
}

} // namespace

class PrintLineTest : public QObject
{
    Q_OBJECT

private slots:
    void lineIsVisibleThroughAPipeAtOnce()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {u"--child"_s, u"stepwise"_s});
        QVERIFY(child.waitForReadyRead(10000));
        QCOMPARE(child.readAll(), "Drop entered!\n"_ba);
        QCOMPARE(child.state(), QProcess::Running);
        child.write("go\n");
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.readAll(), "File was dropped: /tmp/Zoë.txt\n"_ba);
    }

    void linesFromTwoThreadsNeverInterleave()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {u"--child"_s, u"threads"_s});
        QVERIFY(child.waitForFinished(30000));
        const QList<QByteArray> lines = child.readAll().split('\n');
        QCOMPARE(lines.size(), 2 * linesPerThread + 1);
        int next[2] = {0, 0};
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const int thread = lines[i].startsWith("thread 0 ") ? 0 : 1;
            QCOMPARE(lines[i], threadLine(thread, next[thread]++));
        }
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argv[2]);
    QCoreApplication app(argc, argv);
    PrintLineTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printline.moc"
