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
};

QTEST_GUILESS_MAIN(GreetingFilterTest)
#include "tst_greetingfilter.moc"
