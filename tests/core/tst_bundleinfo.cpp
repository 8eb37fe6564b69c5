#include "Files.h"

#include "windows/core/BundleInfo.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class BundleInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void bundleLookups_data()
    {
        QTest::addColumn<BundleInfo>("bundle");
        QTest::addColumn<QStringList>("expected"); // name, version, build, copyright
        const QVariantMap info{{u"CFBundleName"_s, u"steinkissen"_s},
                               {u"CFBundleShortVersionString"_s, 1.2}, // not a string
                               {u"CFBundleVersion"_s, u"7"_s},
                               {u"NSHumanReadableCopyright"_s, u"© Muster"_s}};
        QTest::newRow("no dictionary") << BundleInfo() << QStringList(4, u"N/A"_s);
        QTest::newRow("bundle name for a missing display name; number is no version")
            << BundleInfo(info) << QStringList{u"steinkissen"_s, u"N/A"_s, u"7"_s, u"© Muster"_s};
        QTest::newRow("localised name and copyright, never version and build")
            << BundleInfo(info, {{u"CFBundleDisplayName"_s, u"Kissenfels"_s},
                                 {u"NSHumanReadableCopyright"_s, u"© Muster AG"_s},
                                 {u"CFBundleShortVersionString"_s, u"9.9"_s},
                                 {u"CFBundleVersion"_s, u"99"_s}})
            << QStringList{u"Kissenfels"_s, u"N/A"_s, u"7"_s, u"© Muster AG"_s};
    }

    void bundleLookups()
    {
        QFETCH(BundleInfo, bundle);
        QTEST((QStringList{appName(bundle), appVersion(bundle), buildNumber(bundle),
                           copyrightNotice(bundle)}),
              "expected");
    }

    // A holder that ends in a full stop ("Inc.") ends the sentence with it.
    void copyrightHasOneFullStop()
    {
        for (const QString &language : {u"en"_s, u"de"_s}) {
            const QString notice = copyrightNotice(BundleInfo::load(u":/info"_s, {language}));
            QVERIFY2(notice.endsWith(u'.') && !notice.contains(u".."_s), qPrintable(notice));
        }
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
            << QStringList{u"en-US"_s, u"de-AT"_s} << u"Stonepillow"_s;
    }

    void bundleOverlay()
    {
        QFETCH(QStringList, languages);
        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath(u"Info.json"_s), R"({"CFBundleName": "Stonepillow"})"));
        QVERIFY(writeFile(folder.filePath(u"de.json"_s), R"({"CFBundleName": "Kissenfels"})"));
        QVERIFY(writeFile(folder.filePath(u"de_AT.json"_s), R"({"CFBundleName": "Polsterfels"})"));
        QTEST(appName(BundleInfo::load(folder.path(), languages)), "name");
    }
};

QTEST_GUILESS_MAIN(BundleInfoTest)
#include "tst_bundleinfo.moc"
