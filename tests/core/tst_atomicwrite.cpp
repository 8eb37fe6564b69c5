#include "commands/AtomicWrite.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QByteArray oldContents = "what was there before\n"_ba;
// Far more than the 64 KiB filesystem the full-disk case mounts can take.
const QByteArray largeContents(1024 * 1024, 'x');

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs inside a private mount namespace on the small filesystem the parent mounted: tries the
// write and reports what a user would find afterwards, since the mount goes away with the process.
int runChild(const QString &path)
{
    QString reason;
    const bool written = writeAtomically(path, largeContents, &reason);
    const QByteArray report = (written ? "written\n"_ba : "failed\n"_ba) + reason.toUtf8() + '\n' +
                              QDir(QFileInfo(path).path())
                                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                                  .join(u' ')
                                  .toUtf8() +
                              '\n' + readAll(path);
    std::fwrite(report.constData(), 1, static_cast<std::size_t>(report.size()), stdout);
    return 0;
}

} // namespace

class AtomicWriteTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void replacesTheFileWhole()
    {
        const QString path = m_dir.filePath(u"MyDocument.tsv"_s);
        QFile::remove(path);
        QVERIFY(writeAtomically(path, oldContents));
        QVERIFY(writeAtomically(path, "new\n"_ba));
        QCOMPARE(readAll(path), "new\n"_ba);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"MyDocument.tsv"_s});
    }

    // Works for every user, root included: nothing can be created below a regular file.
    void folderThatIsAFile()
    {
        const QString notAFolder = m_dir.filePath(u"plain-file"_s);
        QVERIFY(writeAtomically(notAFolder, oldContents));
        QString reason;
        QVERIFY(!writeAtomically(notAFolder + u"/MyDocument.tsv"_s, "new\n"_ba, &reason));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(readAll(notAFolder), oldContents);
    }

    void failureOnARealFilesystem_data()
    {
        QTest::addColumn<QString>("mountOptions");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("reasonWords");
        QTest::newRow("read-only folder") << u"size=64k"_s << true << u"not writable"_s;
        QTest::newRow("full filesystem") << u"size=64k"_s << false << u"No space left"_s;
    }

    // Mounts a small tmpfs in a private mount namespace, so nothing outlives the test.
    void failureOnARealFilesystem()
    {
        QFETCH(QString, mountOptions);
        QFETCH(bool, readOnly);
        QFETCH(QString, reasonWords);
#ifndef Q_OS_LINUX
        QSKIP("Mounting a small filesystem for this test needs Linux.");
#endif
        const QString unshare = QStandardPaths::findExecutable(u"unshare"_s);
        if (unshare.isEmpty())
            QSKIP("unshare(1) is not installed, so no test filesystem can be mounted.");

        const QString mountPoint = m_dir.filePath(u"mnt"_s);
        QVERIFY(QDir().mkpath(mountPoint));
        const QString script = uR"(mount -t tmpfs -o "$1" pillowrock-test "$2" || exit 77
printf 'what was there before\n' > "$2/MyDocument.tsv" || exit 1
if [ "$3" = ro ]; then mount -o remount,ro "$2" || exit 1; fi
exec "$4" --write-child "$2/MyDocument.tsv")"_s;
        QProcess child;
        child.start(unshare,
                    {u"--mount"_s, u"--propagation"_s, u"private"_s, u"sh"_s, u"-c"_s, script,
                     u"sh"_s, mountOptions, mountPoint, readOnly ? u"ro"_s : u"rw"_s,
                     QCoreApplication::applicationFilePath()});
        QVERIFY(child.waitForFinished(30000));
        if (child.exitCode() == 77 ||
            (child.exitCode() != 0 && child.readAllStandardOutput().isEmpty()))
            QSKIP(qPrintable(
                u"Cannot mount a test filesystem here (needs root or a user namespace): "_s +
                QString::fromLocal8Bit(child.readAllStandardError()).trimmed()));
        QCOMPARE(child.exitCode(), 0);

        const QList<QByteArray> report = child.readAllStandardOutput().split('\n');
        QCOMPARE(report.value(0), "failed"_ba);
        QVERIFY2(QString::fromUtf8(report.value(1)).contains(reasonWords, Qt::CaseInsensitive),
                 report.value(1).constData());
        // Only the old file is there, with its old contents: no partial or temporary file.
        QCOMPARE(report.value(2), "MyDocument.tsv"_ba);
        QCOMPARE(report.value(3) + '\n', oldContents);
        QVERIFY(QDir(mountPoint).isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--write-child") == 0) {
        QCoreApplication app(argc, argv);
        return runChild(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    AtomicWriteTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_atomicwrite.moc"
