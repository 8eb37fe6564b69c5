#include "commands/core/AtomicWrite.h"
#include "commands/core/MyExportDocument.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Entries = QList<MyDataEntry>;

class ExportTest : public QObject
{
    Q_OBJECT

private slots:
    void serialize_data()
    {
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray header = "Name\tNumber\n"_ba;
        QTest::newRow("empty: header alone") << Entries{} << header;
        QTest::newRow("extreme numbers")
            << Entries{{u"a"_s, std::numeric_limits<qint64>::max()},
                       {u"b"_s, std::numeric_limits<qint64>::min()}}
            << header + "a\t9223372036854775807\nb\t-9223372036854775808\n";
        QTest::newRow("UTF-8, outside the BMP too")
            << Entries{{u"Ren\u00e9e \U0001F600"_s, 1}}
            << header + "Ren\xc3\xa9\x65 \xf0\x9f\x98\x80\t1\n";
        QTest::newRow("tab, CR and LF escaped")
            << Entries{{u"\ta\rb\nc\n"_s, 1}} << header + "\\ta\\rb\\nc\\n\t1\n";
        QTest::newRow("backslash escaped: a typed \\t is no tab")
            << Entries{{u"C:\\new\\t"_s, 3}, {u"C:\\new\t"_s, 4}}
            << header + "C:\\\\new\\\\t\t3\nC:\\\\new\\t\t4\n";
        QTest::newRow("quotes and controls kept as they are")
            << Entries{{u"\"q\";,\x01"_s, 3}} << header + "\"q\";,\x01\t3\n";
        QTest::newRow("lone surrogate does not eat the tab")
            << Entries{{QString(QChar(0xd800)), 1}, {u"b"_s, 2}}
            << header + "\xef\xbf\xbd\t1\nb\t2\n";
    }

    void serialize()
    {
        QFETCH(Entries, entries);
        QTEST(MyExportDocument(entries).serialize(), "expected");
    }

    void atomicWrite_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("remount");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QByteArray>("bytesLeft");
        QTest::newRow("room: replaced whole") << u"4m"_s << u"rw"_s << u"written"_s << "1048576"_ba;
        QTest::newRow("read-only: old kept") << u"4m"_s << u"ro"_s << u"not writable"_s << "4"_ba;
        QTest::newRow("full: old kept") << u"64k"_s << u"rw"_s << u"No space left"_s << "4"_ba;
    }

    // On a small tmpfs in a private mount namespace, so nothing outlives the test. The shell
    // reports what a user finds afterwards: the folder's entries and the file's size.
    void atomicWrite()
    {
        QFETCH(QString, outcome);
        const QString unshare = QStandardPaths::findExecutable(u"unshare"_s);
        if (unshare.isEmpty())
            QSKIP("unshare(1) is missing, so no test filesystem can be mounted.");
        QTemporaryDir dir;
        const QString script = uR"(mount -t tmpfs -o "size=$2" app-test "$1" || exit 77
printf 'old\n' > "$1/MyDocument.tsv" && mount -o "remount,$3" "$1" || exit 1
"$4" --write-child "$1/MyDocument.tsv"; ls -A "$1"; wc -c < "$1/MyDocument.tsv")"_s;
        QProcess child;
        QFETCH(QString, size);
        QFETCH(QString, remount);
        child.start(unshare,
                    {u"--mount"_s, u"--propagation"_s, u"private"_s, u"sh"_s, u"-c"_s, script,
                     u"sh"_s, dir.path(), size, remount, QCoreApplication::applicationFilePath()});
        QVERIFY(child.waitForFinished(30000));
        if (child.exitCode() == 77)
            QSKIP("Cannot mount a test filesystem here (needs root or a user namespace).");
        const QList<QByteArray> report = child.readAllStandardOutput().split('\n');
        QVERIFY2(QString::fromUtf8(report.value(0)).contains(outcome, Qt::CaseInsensitive),
                 report.value(0).constData());
        QFETCH(QByteArray, bytesLeft);
        QCOMPARE(report.mid(1), (QList<QByteArray>{"MyDocument.tsv", bytesLeft, ""}));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--write-child") == 0) {
        QString reason;
        const bool written =
            writeAtomically(QString::fromLocal8Bit(argv[2]), QByteArray(1 << 20, 'x'), &reason);
        std::printf("%s: %s\n", written ? "written" : "failed", qPrintable(reason));
        return 0;
    }
    ExportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_export.moc"
