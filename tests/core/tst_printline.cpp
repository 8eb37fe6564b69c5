#include "app/PrintLine.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <cstdio>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

constexpr int linesPerThread = 2000;

QString threadLine(int thread, int index)
{
    return u"thread %1 line %2 "_s.arg(thread).arg(index) + QString(200, QChar(u'a' + thread));
}

// Runs in the child process the tests start.
int runChild(const QByteArray &mode)
{
    if (mode == "stepwise") {
        printLine(u"Drop entered!"_s);
        // Wait for the parent: it must have seen the line while this process is still running.
        char buffer[8];
        (void)std::fgets(buffer, sizeof buffer, stdin);
        printLine(u"File was dropped: /tmp/Zoë and Ünï.txt"_s);
        return 0;
    }
    std::thread first([] {
        for (int i = 0; i < linesPerThread; ++i)
            printLine(threadLine(0, i));
    });
    std::thread second([] {
        for (int i = 0; i < linesPerThread; ++i)
            printLine(threadLine(1, i));
    });
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
        start(child, "stepwise");
        QVERIFY(child.waitForReadyRead(10000));
        QCOMPARE(child.readAll(), "Drop entered!\n"_ba);
        QCOMPARE(child.state(), QProcess::Running);

        child.write("go\n");
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.readAll(), "File was dropped: /tmp/Zoë and Ünï.txt\n"_ba);
    }

    void linesFromTwoThreadsNeverInterleave()
    {
        QProcess child;
        start(child, "threads");
        QVERIFY(child.waitForFinished(30000));
        const QList<QByteArray> lines = child.readAll().split('\n');
        QCOMPARE(lines.size(), 2 * linesPerThread + 1);
        QVERIFY(lines.last().isEmpty());
        int next[2] = {0, 0};
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const int thread = lines[i].startsWith("thread 0 ") ? 0 : 1;
            QCOMPARE(lines[i], threadLine(thread, next[thread]++).toUtf8());
        }
    }

private:
    static void start(QProcess &child, const QByteArray &mode)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"PILLOWROCK_PRINT_CHILD"_s, QString::fromLatin1(mode));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
    }
};

int main(int argc, char *argv[])
{
    if (const QByteArray mode = qgetenv("PILLOWROCK_PRINT_CHILD"); !mode.isEmpty())
        return runChild(mode);
    QCoreApplication app(argc, argv);
    PrintLineTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printline.moc"
