#include "commands/AtomicWrite.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class AtomicWriteTest : public QObject
{
    Q_OBJECT

private slots:
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
    AtomicWriteTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_atomicwrite.moc"
