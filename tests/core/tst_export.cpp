#include "commands/AtomicWrite.h"
#include "commands/MyExportDocument.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Entries = QList<MyDataEntry>;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

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
        QTest::newRow("sample table")
            << sampleEntries()
            << header +
                   "Ellis Marwood\t99\nTobin Harcrow\t66\nGavin Oakfield\t21\nOlen Brisco\t13\n";
        QTest::newRow("extreme numbers")
            << Entries{{u"a"_s, std::numeric_limits<qint64>::max()},
                       {u"b"_s, std::numeric_limits<qint64>::min()}}
            << header + "a\t9223372036854775807\nb\t-9223372036854775808\n";
        QTest::newRow("UTF-8, outside the BMP too")
            << Entries{{u"Ren\u00e9e \U0001F600"_s, 1}}
            << header + "Ren\xc3\xa9\x65 \xf0\x9f\x98\x80\t1\n";
        QTest::newRow("tab, CR and LF escaped")
            << Entries{{u"\ta\rb\nc\n"_s, 1}} << header + "\\ta\\rb\\nc\\n\t1\n";
        QTest::newRow("backslash kept as it is")
            << Entries{{u"C:\\new\\t"_s, 1}} << header + "C:\\new\\t\t1\n";
        QTest::newRow("lone surrogate does not eat the tab")
            << Entries{{QString(QChar(0xd800)), 1}, {u"b"_s, 2}}
            << header + "\xef\xbf\xbd\t1\nb\t2\n";
        QTest::newRow("nothing else touched")
            << Entries{{u"\"q\";,\x01 "_s, 3}} << header + "\"q\";,\x01 \t3\n";
    }

    void serialize()
    {
        QFETCH(Entries, entries);
        QTEST(MyExportDocument(entries).serialize(), "expected");
    }

    void replacesTheFileWholeAndLeavesNothingBehind()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"MyDocument.tsv"_s);
        QVERIFY(writeAtomically(path, "old\n"_ba));
        QVERIFY(writeAtomically(path, "new\n"_ba));
        QCOMPARE(readAll(path), "new\n"_ba);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"MyDocument.tsv"_s});

        // Nothing can be created below a regular file, whoever runs the test.
        QString reason;
        QVERIFY(!writeAtomically(path + u"/x.tsv"_s, "other\n"_ba, &reason));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(readAll(path), "new\n"_ba);
    }

    void failureKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("remount");
        QTest::addColumn<QString>("reasonWords");
        QTest::newRow("read-only filesystem") << u"ro"_s << u"not writable"_s;
        QTest::newRow("full filesystem") << u"rw"_s << u"No space left"_s;
    }

    // On a 64 KiB tmpfs in a private mount namespace, so nothing outlives the test. The shell
    // reports what a user finds afterwards: the folder's entries and the file's contents.
    void failureKeepsTheOldFile()
    {
        QFETCH(QString, remount);
        QFETCH(QString, reasonWords);
        const QString unshare = QStandardPaths::findExecutable(u"unshare"_s);
        if (unshare.isEmpty())
            QSKIP("unshare(1) is missing, so no test filesystem can be mounted.");
        QTemporaryDir dir;
        const QString script = uR"(mount -t tmpfs -o size=64k pillowrock-test "$1" || exit 77
printf 'old\n' > "$1/MyDocument.tsv" && mount -o "remount,$2" "$1" || exit 1
"$3" --write-child "$1/MyDocument.tsv"; ls -A "$1"; cat "$1/MyDocument.tsv")"_s;
        QProcess child;
        child.start(unshare,
                    {u"--mount"_s, u"--propagation"_s, u"private"_s, u"sh"_s, u"-c"_s, script,
                     u"sh"_s, dir.path(), remount, QCoreApplication::applicationFilePath()});
        QVERIFY(child.waitForFinished(30000));
        if (child.exitCode() == 77)
            QSKIP("Cannot mount a test filesystem here (needs root or a user namespace).");
        const QByteArray report = child.readAllStandardOutput();
        const QString failure = QString::fromUtf8(report.split('\n').value(0));
        QVERIFY2(failure.startsWith(u"failed: "_s), qPrintable(failure));
        QVERIFY2(failure.contains(reasonWords, Qt::CaseInsensitive), qPrintable(failure));
        QCOMPARE(report.mid(report.indexOf('\n') + 1), "MyDocument.tsv\nold\n"_ba);
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
