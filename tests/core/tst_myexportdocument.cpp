#include "commands/MyExportDocument.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Entries = QList<MyDataEntry>;

class MyExportDocumentTest : public QObject
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
};

QTEST_GUILESS_MAIN(MyExportDocumentTest)
#include "tst_myexportdocument.moc"
