#include "panes/FileDrop.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

QUrl encoded(const char *url)
{
    return QUrl::fromEncoded(url, QUrl::StrictMode);
}

QList<QUrl> fileUrls(int count)
{
    QList<QUrl> urls;
    for (int i = 0; i < count; ++i)
        urls.append(QUrl::fromLocalFile(u"/tmp/file %1.txt"_s.arg(i)));
    return urls;
}

} // namespace

using Line = std::optional<QString>;

class FileDropTest : public QObject
{
    Q_OBJECT

private slots:
    void decidesFromTheUrls_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<Line>("line");

        const Line none;
        const Line invalid = u"Error: Not a valid URL."_s;
        const QUrl file = QUrl::fromLocalFile(u"/tmp/a.txt"_s);
        const QUrl web = encoded("https://example.org/a.txt");

        QTest::newRow("one file") << QList{file} << true << Line(u"File was dropped: /tmp/a.txt"_s);
        QTest::newRow("blanks and non-ASCII decoded")
            << QList{encoded("file:///tmp/My%20Zo%C3%AB%20%E6%97%A5.txt")} << true
            << Line(u"File was dropped: /tmp/My Zoë 日.txt"_s);
        QTest::newRow("localhost is this machine")
            << QList{encoded("file://localhost/tmp/a.txt")} << true
            << Line(u"File was dropped: /tmp/a.txt"_s);
        QTest::newRow("web link beside one file")
            << QList{web, file} << true << Line(u"File was dropped: /tmp/a.txt"_s);
        QTest::newRow("nothing") << QList<QUrl>{} << false << none;
        QTest::newRow("web link alone") << QList{web} << false << none;
        QTest::newRow("two files") << fileUrls(2) << false << none;
        QTest::newRow("a thousand files") << fileUrls(1000) << false << none;
        QTest::newRow("file beside a thousand web links")
            << QList<QUrl>(1000, web) + QList{file} << true
            << Line(u"File was dropped: /tmp/a.txt"_s);
#ifndef Q_OS_WIN
        QTest::newRow("share on another host")
            << QList{encoded("file://server/share")} << false << invalid;
#endif
        QTest::newRow("bytes that are not UTF-8")
            << QList{encoded("file:///tmp/%FF%FE.txt")} << false << invalid;
        QTest::newRow("NUL inside the path")
            << QList{encoded("file:///tmp/a%00b.txt")} << false << invalid;
        QTest::newRow("relative path") << QList{encoded("file:a.txt")} << false << invalid;
        QTest::newRow("empty path") << QList{encoded("file://")} << false << invalid;

        const QString longPath = u"/tmp/"_s + QString(8000, u'x');
        QTest::newRow("path longer than PATH_MAX") << QList{QUrl::fromLocalFile(longPath)} << true
                                                   << Line(u"File was dropped: "_s + longPath);
    }

    void decidesFromTheUrls()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, accepted);
        QFETCH(Line, line);

        const FileDrop drop = decideFileDrop(urls);
        QCOMPARE(drop.accepted, accepted);
        QCOMPARE(drop.line, line);
    }
};

QTEST_GUILESS_MAIN(FileDropTest)
#include "tst_filedrop.moc"
