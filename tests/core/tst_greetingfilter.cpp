#include "panes/GreetingFilter.h"

#include <QTest>

using namespace Qt::StringLiterals;

class GreetingFilterTest : public QObject
{
    Q_OBJECT

private slots:
    void keepsNamesContainingTheText_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("searchText");
        QTest::addColumn<QStringList>("expected");

        const QStringList greeted = greetingNames();
        QTest::newRow("empty text keeps all in order")
            << greeted << QString() << QStringList{u"Holly"_s, u"Josh"_s, u"Rhonda"_s, u"Ted"_s};
        QTest::newRow("lower-case o")
            << greeted << u"o"_s << QStringList{u"Holly"_s, u"Josh"_s, u"Rhonda"_s};
        QTest::newRow("lower-case h") << greeted << u"h"_s << QStringList{u"Josh"_s, u"Rhonda"_s};
        QTest::newRow("capital H") << greeted << u"H"_s << QStringList{u"Holly"_s};
        QTest::newRow("case differs") << greeted << u"holly"_s << QStringList{};
        QTest::newRow("only in the greeting") << greeted << u"What"_s << QStringList{};
        QTest::newRow("single blank is not trimmed") << greeted << u" "_s << QStringList{};
        QTest::newRow("trailing blank is not trimmed") << greeted << u"Ted "_s << QStringList{};
        QTest::newRow("duplicates and order kept") << QStringList{u"Zed"_s, u"Ann"_s, u"Zed"_s}
                                                   << u"Z"_s << QStringList{u"Zed"_s, u"Zed"_s};
        QTest::newRow("no diacritic folding")
            << QStringList{u"Zoë"_s, u"Zoe"_s} << u"oe"_s << QStringList{u"Zoe"_s};
    }

    void keepsNamesContainingTheText()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, searchText);
        QFETCH(QStringList, expected);
        QCOMPARE(filteredNames(names, searchText), expected);
    }
};

QTEST_GUILESS_MAIN(GreetingFilterTest)
#include "tst_greetingfilter.moc"
