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
        const QStringList na(4, u"N/A"_s);
        QTest::newRow("no dictionary") << BundleInfo() << na;
        QTest::newRow("bundle name for a missing display name; number is no version")
            << BundleInfo(info) << QStringList{u"steinkissen"_s, u"N/A"_s, u"7"_s, u"© Muster"_s};
        QTest::newRow("localised name and copyright, never version and build")
            << BundleInfo(info, {{u"CFBundleDisplayName"_s, u"Kissenfels"_s},
                                 {u"NSHumanReadableCopyright"_s, u"© Muster AG"_s},
                                 {u"CFBundleShortVersionString"_s, u"9.9"_s},
                                 {u"CFBundleVersion"_s, u"99"_s}})
            << QStringList{u"Kissenfels"_s, u"N/A"_s, u"7"_s, u"© Muster AG"_s};
        // From files: a region's overlay before its language's, none when English comes first.
        const QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath(u"Info.json"_s), R"({"CFBundleName": "Stonepillow"})"));
        QVERIFY(writeFile(folder.filePath(u"de.json"_s), R"({"CFBundleName": "Kissenfels"})"));
        QVERIFY(writeFile(folder.filePath(u"de_AT.json"_s), R"({"CFBundleName": "Polsterfels"})"));
        const auto named = [&na](const QString &name) { return QStringList{name} + na.mid(1); };
        QTest::newRow("region falls back to its language")
            << BundleInfo::load(folder.path(), {u"de-CH"_s}) << named(u"Kissenfels"_s);
        QTest::newRow("region overlay before the language's")
            << BundleInfo::load(folder.path(), {u"de-AT"_s}) << named(u"Polsterfels"_s);
        QTest::newRow("English first: no overlay")
            << BundleInfo::load(folder.path(), {u"en-US"_s, u"de-AT"_s}) << named(u"Stonepillow"_s);
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
};

QTEST_GUILESS_MAIN(BundleInfoTest)
#include "tst_bundleinfo.moc"
