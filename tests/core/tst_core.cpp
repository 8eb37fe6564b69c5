#include "app/Preferences.h"
#include "app/PrintLine.h"
#include "commands/AtomicWrite.h"
#include "commands/MyExportDocument.h"
#include "panes/FileDrop.h"
#include "panes/GreetingFilter.h"
#include "window/ApplyAlwaysOnTop.h"
#include "window/LevelledWindow.h"
#include "windows/BundleInfo.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Entries = QList<MyDataEntry>;
using Line = std::optional<QString>;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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

class CoreTest : public QObject
{
    Q_OBJECT

private slots:
    void badStoredValuesReadAsDefaultAndStay_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<QString>("name");
        const QByteArray onTop = "[General]\nwindow.setting.isAlwaysOnTop=";
        const QByteArray name = "[General]\nsettings.general.name=";
        QTest::newRow("nothing stored") << QByteArray() << false << QString();
        QTest::newRow("true") << onTop + "true" << true << QString();
        QTest::newRow("one under boolean") << onTop + "1" << false << QString();
        QTest::newRow("list under boolean") << onTop + "true, true" << false << QString();
        QTest::newRow("name") << name + "Ada" << false << u"Ada"_s;
        QTest::newRow("list under name") << name + "a, b" << false << QString();
        QTest::newRow("binary garbage")
            << QByteArray("\0\xff[General\n\x01=\xfe\n=", 16) << false << QString();
    }

    void badStoredValuesReadAsDefaultAndStay()
    {
        QFETCH(QByteArray, stored);
        QVERIFY(writeFile(iniPath(), stored));
        Preferences preferences(iniPath());
        QTEST(preferences.isAlwaysOnTop(), "onTop");
        QTEST(preferences.name(), "name");
        // Reading writes nothing back: the bad value stays for whoever wrote it.
        QCOMPARE(readFile(iniPath()), stored);
    }

    void storesAtOnceAndRefusesWrongKeysAndTypes_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("writable: on disk at once") << true;
        QTest::newRow("unwritable: kept for the session") << false;
    }

    void storesAtOnceAndRefusesWrongKeysAndTypes()
    {
        QFETCH(bool, writable);
        // A store whose folder is a regular file cannot be written, not even by root.
        const QString path =
            writable ? iniPath() : QCoreApplication::applicationFilePath() + u"/p.conf"_s;
        const QString name = u"Zoë"_s;
        Preferences preferences(path);
        QVERIFY(!preferences.setValue("window.setting.other"_L1, true));
        QVERIFY(!preferences.setValue(Preferences::isAlwaysOnTopKey, u"true"_s));
        QVERIFY(!preferences.setValue(Preferences::nameKey, 7));
        QVERIFY(!QFile::exists(path));
        QSignalSpy changed(&preferences, &Preferences::changed);
        preferences.setAlwaysOnTop(true);
        preferences.setAlwaysOnTop(true); // no change, no signal
        preferences.setName(name);
        QCOMPARE(changed.count(), 2);
        QVERIFY(preferences.isAlwaysOnTop() && preferences.name() == name);
        // On disk at once, not when the store is closed (another store here would share a cache).
        QCOMPARE(readFile(path).contains("isAlwaysOnTop=true"), writable);
    }

    void printedLineGoesThroughAPipeAtOnce()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {u"--print-child"_s});
        QVERIFY(child.waitForReadyRead(10000));
        QCOMPARE(child.readAll(), "Drop entered!\n"_ba);
        QCOMPARE(child.state(), QProcess::Running);
        child.write("go\n");
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.readAll(), "File was dropped: /tmp/Zoë.txt\n"_ba);
    }

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
        QTest::newRow("backslash, quotes and controls kept as they are")
            << Entries{{u"C:\\new\\t \"q\";,\x01"_s, 3}} << header + "C:\\new\\t \"q\";,\x01\t3\n";
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
        const QString script = uR"(mount -t tmpfs -o "size=$2" pillowrock-test "$1" || exit 77
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

    void alwaysOnTopRule_data()
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

    void alwaysOnTopRule()
    {
        QFETCH(QList<bool>, switches);
        RecordingWindow window;
        for (bool on : switches)
            applyAlwaysOnTop(&window, on);
        QTEST(window.calls, "expected");
        applyAlwaysOnTop(nullptr, true); // no window yet: nothing to do, no crash
    }

    void greetingFilter_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("searchText");
        QTest::addColumn<QStringList>("expected");
        const QStringList all = greetingNames();
        QTest::newRow("only in the greeting") << all << u"What"_s << QStringList{};
        QTest::newRow("blanks are not trimmed") << all << u"Ted "_s << QStringList{};
        QTest::newRow("duplicates and order kept") << QStringList{u"Zed"_s, u"Ann"_s, u"Zed"_s}
                                                   << u"Z"_s << QStringList{u"Zed"_s, u"Zed"_s};
    }

    void greetingFilter()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, searchText);
        QTEST(filteredNames(names, searchText), "expected");
    }

    void fileDrop_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<Line>("line"); // accepted when it names the dropped file
        const auto url = [](const char *text) { return QUrl::fromEncoded(text, QUrl::StrictMode); };
        const QUrl file = url("file:///tmp/a.txt");
        const QUrl web = url("https://example.org/a.txt");
        const Line dropped = u"File was dropped: /tmp/a.txt"_s;
        const Line invalid = u"Error: Not a valid URL."_s;
        QTest::newRow("blanks and non-ASCII decoded")
            << QList{url("file:///tmp/My%20Zo%C3%AB%20%E6%97%A5.txt")}
            << Line(u"File was dropped: /tmp/My Zoë 日.txt"_s);
        QTest::newRow("localhost is this machine")
            << QList{url("file://localhost/tmp/a.txt")} << dropped;
        QTest::newRow("web links beside one file") << QList{web, file, web} << dropped;
        QTest::newRow("nothing") << QList<QUrl>{} << Line();
        QTest::newRow("web link alone") << QList{web} << Line();
        QTest::newRow("share on another host") << QList{url("file://server/share")} << invalid;
        QTest::newRow("bytes that are not UTF-8")
            << QList{url("file:///tmp/%FF%FE.txt")} << invalid;
        QTest::newRow("NUL inside the path") << QList{url("file:///tmp/a%00b.txt")} << invalid;
        QTest::newRow("relative path") << QList{url("file:a.txt")} << invalid;
    }

    void fileDrop()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(Line, line);
        const FileDrop drop = decideFileDrop(urls);
        QCOMPARE(drop.line, line);
        QCOMPARE(drop.accepted, line && line->startsWith(u"File was dropped"_s));
    }

    void bundleLookups_data()
    {
        QTest::addColumn<BundleInfo>("bundle");
        QTest::addColumn<QStringList>("expected"); // name, version, build, copyright
        const QVariantMap info{{u"CFBundleName"_s, u"pillowrock"_s},
                               {u"CFBundleShortVersionString"_s, 1.2}, // not a string
                               {u"CFBundleVersion"_s, u"7"_s},
                               {u"NSHumanReadableCopyright"_s, u"© Vestrandi"_s}};
        QTest::newRow("no dictionary") << BundleInfo() << QStringList(4, u"N/A"_s);
        QTest::newRow("bundle name for a missing display name; number is no version")
            << BundleInfo(info) << QStringList{u"pillowrock"_s, u"N/A"_s, u"7"_s, u"© Vestrandi"_s};
        QTest::newRow("localised name and copyright, never version and build")
            << BundleInfo(info, {{u"CFBundleDisplayName"_s, u"Kissenfels"_s},
                                 {u"NSHumanReadableCopyright"_s, u"© Vestrandi AG"_s},
                                 {u"CFBundleShortVersionString"_s, u"9.9"_s},
                                 {u"CFBundleVersion"_s, u"99"_s}})
            << QStringList{u"Kissenfels"_s, u"N/A"_s, u"7"_s, u"© Vestrandi AG"_s};
    }

    void bundleLookups()
    {
        QFETCH(BundleInfo, bundle);
        QTEST((QStringList{appName(bundle), appVersion(bundle), buildNumber(bundle),
                           copyrightNotice(bundle)}),
              "expected");
    }

    void bundleOverlay_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("name");
        QTest::newRow("region falls back to its language")
            << QStringList{u"de-CH"_s} << u"Kissenfels"_s;
        QTest::newRow("region overlay before the language's")
            << QStringList{u"de-AT"_s} << u"Polsterfels"_s;
        QTest::newRow("English first: no overlay")
            << QStringList{u"en-US"_s, u"de-AT"_s} << u"Pillowrock"_s;
    }

    void bundleOverlay()
    {
        QFETCH(QStringList, languages);
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath(u"Info.json"_s), R"({"CFBundleName": "Pillowrock"})"));
        QVERIFY(writeFile(folder.filePath(u"de.json"_s), R"({"CFBundleName": "Kissenfels"})"));
        QVERIFY(writeFile(folder.filePath(u"de_AT.json"_s), R"({"CFBundleName": "Polsterfels"})"));
        QTEST(appName(BundleInfo::load(folder.path(), languages)), "name");
    }

private:
    QString iniPath() const
    {
        return m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) +
                              QString::fromLatin1(QTest::currentDataTag()) + u".conf"_s);
    }

    QTemporaryDir m_dir;
};

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "--print-child") == 0) {
        printLine(u"Drop entered!"_s);
        char buffer[8]; // the parent must see the line while this process still runs
        (void)std::fgets(buffer, sizeof buffer, stdin);
        printLine(u"File was dropped: /tmp/Zoë.txt"_s);
        return 0;
    }
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--write-child") == 0) {
        QString reason;
        const bool written =
            writeAtomically(QString::fromLocal8Bit(argv[2]), QByteArray(1 << 20, 'x'), &reason);
        std::printf("%s: %s\n", written ? "written" : "failed", qPrintable(reason));
        return 0;
    }
    CoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_core.moc"
