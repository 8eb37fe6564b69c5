#include "panes/morestuff/core/FileDrop.h"

#include <QDir>
#include <QOperatingSystemVersion>
#include <QTest>

using namespace Qt::StringLiterals;
using Line = std::optional<QString>;

class FileDropTest : public QObject
{
    Q_OBJECT

private slots:
    void fileDrop_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<Line>("line"); // accepted when it names the dropped file
        const auto url = [](const char *text) { return QUrl::fromEncoded(text, QUrl::StrictMode); };
        const QUrl file = url("file:///tmp/a.txt");
        const QUrl web = url("https://example.org/a.txt");
        // The path as the platform writes it.
        const auto droppedAt = [](const QString &path) {
            return Line(u"File was dropped: "_s + QDir::toNativeSeparators(path));
        };
        const Line dropped = droppedAt(u"/tmp/a.txt"_s);
        const Line invalid = u"Error: Not a valid URL."_s;
        // Only Windows reaches a file on another host through an ordinary path.
        const bool shares =
            QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows;
        QTest::newRow("blanks and non-ASCII decoded")
            << QList{url("file:///tmp/My%20Zo%C3%AB%20%E6%97%A5.txt")}
            << droppedAt(u"/tmp/My Zoë 日.txt"_s);
        QTest::newRow("localhost is this machine")
            << QList{url("file://localhost/tmp/a.txt")} << dropped;
        QTest::newRow("web links beside one file") << QList{web, file, web} << dropped;
        QTest::newRow("two files") << QList{file, url("file:///tmp/b.txt")} << Line();
        QTest::newRow("nothing") << QList<QUrl>{} << Line();
        QTest::newRow("web link alone") << QList{web} << Line();
        QTest::newRow("share on another host")
            << QList{url("file://server/share")}
            << (shares ? droppedAt(u"//server/share"_s) : invalid);
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
        // A drag that carries no file URL is not for the drop area at all.
        const QByteArray row = QTest::currentDataTag();
        QCOMPARE(carriesFileUrl(urls), row != "nothing" && row != "web link alone");
    }
};

QTEST_GUILESS_MAIN(FileDropTest)
#include "tst_filedrop.moc"
