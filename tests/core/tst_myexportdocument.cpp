#include "commands/MyExportDocument.h"

#include <QBuffer>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

class MyExportDocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void serialize_data()
    {
        QTest::addColumn<QList<MyDataEntry>>("entries");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray header = "Name\tNumber\n"_ba;
        QTest::newRow("empty: header alone") << QList<MyDataEntry>{} << header;
        QTest::newRow("sample table") << sampleEntries()
                                      << "Name\tNumber\n"
                                         "Ellis Marwood\t99\n"
                                         "Tobin Harcrow\t66\n"
                                         "Gavin Oakfield\t21\n"
                                         "Olen Brisco\t13\n"_ba;
        QTest::newRow("zero") << QList<MyDataEntry>{{u"a"_s, 0}} << header + "a\t0\n";
        QTest::newRow("minus five") << QList<MyDataEntry>{{u"a"_s, -5}} << header + "a\t-5\n";
        QTest::newRow("largest") << QList<MyDataEntry>{{u"a"_s, std::numeric_limits<qint64>::max()}}
                                 << header + "a\t9223372036854775807\n";
        QTest::newRow("smallest") << QList<MyDataEntry>{{u"a"_s,
                                                         std::numeric_limits<qint64>::min()}}
                                  << header + "a\t-9223372036854775808\n";
        QTest::newRow("e acute in UTF-8")
            << QList<MyDataEntry>{{u"Ren\u00e9e"_s, 1}} << header + "Ren\xc3\xa9\x65\t1\n";
        QTest::newRow("outside the BMP")
            << QList<MyDataEntry>{{u"\U0001F600"_s, 1}} << header + "\xf0\x9f\x98\x80\t1\n";
        QTest::newRow("empty name") << QList<MyDataEntry>{{QString(), 7}} << header + "\t7\n";
        QTest::newRow("tab, CR and LF escaped")
            << QList<MyDataEntry>{{u"a\tb\rc\nd"_s, 1}} << header + "a\\tb\\rc\\nd\t1\n";
        QTest::newRow("escapes at both ends")
            << QList<MyDataEntry>{{u"\n\t\n"_s, 1}} << header + "\\n\\t\\n\t1\n";
        QTest::newRow("backslash kept as it is")
            << QList<MyDataEntry>{{u"C:\\new\\t"_s, 1}} << header + "C:\\new\\t\t1\n";
        QTest::newRow("lone surrogate does not eat the tab")
            << QList<MyDataEntry>{{QString(QChar(0xd800)), 1}, {u"b"_s, 2}}
            << header + "\xef\xbf\xbd\t1\nb\t2\n";
        QTest::newRow("nothing else touched")
            << QList<MyDataEntry>{{u"\"q\";,\x01 "_s, 3}} << header + "\"q\";,\x01 \t3\n";
    }

    void serialize()
    {
        QFETCH(QList<MyDataEntry>, entries);
        QFETCH(QByteArray, expected);
        QCOMPARE(MyExportDocument(entries).serialize(), expected);
    }

    void readingAnyFileGivesAnEmptyTable_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("its own output") << MyExportDocument(sampleEntries()).serialize();
        QTest::newRow("binary") << "\x00\xff\xfe\x01"_ba;
    }

    void readingAnyFileGivesAnEmptyTable()
    {
        QFETCH(QByteArray, contents);
        QBuffer file(&contents);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const MyExportDocument document = MyExportDocument::read(&file);
        QVERIFY(document.entries().isEmpty());
        QCOMPARE(document.serialize(), "Name\tNumber\n"_ba);
    }
};

QTEST_GUILESS_MAIN(MyExportDocumentTest)

#include "tst_myexportdocument.moc"
