#include "panes/FileDrop.h"
#include "panes/GreetingFilter.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Line = std::optional<QString>;

class PaneLogicTest : public QObject
{
    Q_OBJECT

private slots:
    void keepsNamesContainingTheText_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("searchText");
        QTest::addColumn<QStringList>("expected");
        const QStringList all = greetingNames();
        QTest::newRow("empty text keeps all in order")
            << all << QString() << QStringList{u"Holly"_s, u"Josh"_s, u"Rhonda"_s, u"Ted"_s};
        QTest::newRow("anywhere in the name")
            << all << u"o"_s << QStringList{u"Holly"_s, u"Josh"_s, u"Rhonda"_s};
        QTest::newRow("capital H") << all << u"H"_s << QStringList{u"Holly"_s};
        QTest::newRow("case differs") << all << u"holly"_s << QStringList{};
        QTest::newRow("only in the greeting") << all << u"What"_s << QStringList{};
        QTest::newRow("blanks are not trimmed") << all << u"Ted "_s << QStringList{};
        QTest::newRow("duplicates and order kept") << QStringList{u"Zed"_s, u"Ann"_s, u"Zed"_s}
                                                   << u"Z"_s << QStringList{u"Zed"_s, u"Zed"_s};
    }

    void keepsNamesContainingTheText()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, searchText);
        QTEST(filteredNames(names, searchText), "expected");
    }

    void decidesFromTheUrls_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<Line>("line"); // accepted when it names the dropped file
        const auto url = [](const char *text) { return QUrl::fromEncoded(text, QUrl::StrictMode); };
        const QUrl file = url("file:///tmp/a.txt");
        const QUrl web = url("https://example.org/a.txt");
        const Line dropped = u"File was dropped: /tmp/a.txt"_s;
        const Line invalid = u"Error: Not a valid URL."_s;

        QTest::newRow("one file") << QList{file} << dropped;
        QTest::newRow("blanks and non-ASCII decoded")
            << QList{url("file:///tmp/My%20Zo%C3%AB%20%E6%97%A5.txt")}
            << Line(u"File was dropped: /tmp/My Zoë 日.txt"_s);
        QTest::newRow("localhost is this machine")
            << QList{url("file://localhost/tmp/a.txt")} << dropped;
        QTest::newRow("web links beside one file") << QList{web, file, web} << dropped;
        QTest::newRow("nothing") << QList<QUrl>{} << Line();
        QTest::newRow("web link alone") << QList{web} << Line();
        QTest::newRow("two files") << QList{file, url("file:///tmp/b.txt")} << Line();
        QTest::newRow("share on another host") << QList{url("file://server/share")} << invalid;
        QTest::newRow("bytes that are not UTF-8")
            << QList{url("file:///tmp/%FF%FE.txt")} << invalid;
        QTest::newRow("NUL inside the path") << QList{url("file:///tmp/a%00b.txt")} << invalid;
        QTest::newRow("relative path") << QList{url("file:a.txt")} << invalid;
    }

    void decidesFromTheUrls()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(Line, line);
        const FileDrop drop = decideFileDrop(urls);
        QCOMPARE(drop.line, line);
        QCOMPARE(drop.accepted, line && line->startsWith(u"File was dropped"_s));
    }
};

QTEST_GUILESS_MAIN(PaneLogicTest)
#include "tst_panelogic.moc"
