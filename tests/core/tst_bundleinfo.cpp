#include "windows/BundleInfo.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class BundleInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void lookups_data()
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

    void lookups()
    {
        QFETCH(BundleInfo, bundle);
        QTEST((QStringList{appName(bundle), appVersion(bundle), buildNumber(bundle),
                           copyrightNotice(bundle)}),
              "expected");
    }

    void load_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QByteArray>("info");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("version");
        const QByteArray json =
            R"({"CFBundleName": "Pillowrock", "CFBundleShortVersionString": "2.0"})";
        QTest::newRow("no overlay for the language")
            << QStringList{u"fr-FR"_s} << json << u"Pillowrock"_s << u"2.0"_s;
        QTest::newRow("region falls back to its language")
            << QStringList{u"de-CH"_s, u"en"_s} << json << u"Kissenfels"_s << u"2.0"_s;
        QTest::newRow("region overlay before the language's")
            << QStringList{u"de-AT"_s} << json << u"Polsterfels"_s << u"2.0"_s;
        QTest::newRow("English first: the dictionary as it is")
            << QStringList{u"en-US"_s, u"de-DE"_s} << json << u"Pillowrock"_s << u"2.0"_s;
        QTest::newRow("broken dictionary: no dictionary")
            << QStringList{u"de"_s} << "{CFBundleName"_ba << u"Kissenfels"_s << u"N/A"_s;
    }

    void load()
    {
        QFETCH(QStringList, languages);
        QFETCH(QByteArray, info);
        QTemporaryDir folder;
        for (const auto &[name, text] :
             {std::pair{u"Info.json"_s, info},
              {u"de.json"_s, R"({"CFBundleName": "Kissenfels"})"_ba},
              {u"de_AT.json"_s, R"({"CFBundleName": "Polsterfels"})"_ba}}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        }
        const BundleInfo bundle = BundleInfo::load(folder.path(), languages);
        QTEST(appName(bundle), "name");
        QTEST(appVersion(bundle), "version");
    }

    void embeddedDictionaryIsComplete()
    {
        const BundleInfo &bundle = mainBundle();
        for (const QString &value : {appName(bundle), appVersion(bundle), buildNumber(bundle)})
            QVERIFY(!value.isEmpty() && value != u"N/A"_s);
        QVERIFY(copyrightNotice(bundle).contains(u"Vestrandi's Inc."_s));
    }
};

QTEST_GUILESS_MAIN(BundleInfoTest)
#include "tst_bundleinfo.moc"
