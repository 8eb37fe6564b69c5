#include "windows/BundleInfo.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString na = u"N/A"_s;

QVariantMap complete()
{
    return {{u"CFBundleDisplayName"_s, u"Pillowrock"_s},
            {u"CFBundleName"_s, u"pillowrock"_s},
            {u"CFBundleShortVersionString"_s, u"1.2"_s},
            {u"CFBundleVersion"_s, u"7"_s},
            {u"NSHumanReadableCopyright"_s, u"© Vestrandi's Inc."_s}};
}

QVariantMap without(QVariantMap info, const QString &key)
{
    info.remove(key);
    return info;
}

QVariantMap with(QVariantMap info, const QString &key, const QVariant &value)
{
    info.insert(key, value);
    return info;
}

bool write(const QString &fileName, const QByteArray &text)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

class BundleInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void lookups_data()
    {
        QTest::addColumn<BundleInfo>("bundle");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("build");
        QTest::addColumn<QString>("copyright");

        QTest::newRow("no dictionary") << BundleInfo() << na << na << na << na;
        QTest::newRow("empty dictionary") << BundleInfo(QVariantMap()) << na << na << na << na;
        QTest::newRow("complete") << BundleInfo(complete()) << u"Pillowrock"_s << u"1.2"_s << u"7"_s
                                  << u"© Vestrandi's Inc."_s;
        QTest::newRow("version as a number")
            << BundleInfo(with(complete(), u"CFBundleShortVersionString"_s, 1.2)) << u"Pillowrock"_s
            << na << u"7"_s << u"© Vestrandi's Inc."_s;
        QTest::newRow("build as a number")
            << BundleInfo(with(complete(), u"CFBundleVersion"_s, 7)) << u"Pillowrock"_s << u"1.2"_s
            << na << u"© Vestrandi's Inc."_s;
        QTest::newRow("no display name: bundle name")
            << BundleInfo(without(complete(), u"CFBundleDisplayName"_s)) << u"pillowrock"_s
            << u"1.2"_s << u"7"_s << u"© Vestrandi's Inc."_s;
        QTest::newRow("display name not a string: bundle name")
            << BundleInfo(with(complete(), u"CFBundleDisplayName"_s, true)) << u"pillowrock"_s
            << u"1.2"_s << u"7"_s << u"© Vestrandi's Inc."_s;
        QTest::newRow("no names")
            << BundleInfo(without(without(complete(), u"CFBundleDisplayName"_s), u"CFBundleName"_s))
            << na << u"1.2"_s << u"7"_s << u"© Vestrandi's Inc."_s;
        QTest::newRow("empty display name used as is")
            << BundleInfo(with(complete(), u"CFBundleDisplayName"_s, QString(""_L1))) << QString("")
            << u"1.2"_s << u"7"_s << u"© Vestrandi's Inc."_s;
        QTest::newRow("empty copyright used as is")
            << BundleInfo(with(complete(), u"NSHumanReadableCopyright"_s, QString(""_L1)))
            << u"Pillowrock"_s << u"1.2"_s << u"7"_s << QString("");
        QTest::newRow("copyright as a list")
            << BundleInfo(with(complete(), u"NSHumanReadableCopyright"_s, QStringList{u"©"_s}))
            << u"Pillowrock"_s << u"1.2"_s << u"7"_s << na;
        QTest::newRow("values kept exactly as stored")
            << BundleInfo(with(complete(), u"CFBundleShortVersionString"_s, u" 1.2 beta "_s))
            << u"Pillowrock"_s << u" 1.2 beta "_s << u"7"_s << u"© Vestrandi's Inc."_s;
        QTest::newRow("localised name and copyright, version and build never")
            << BundleInfo(complete(), {{u"CFBundleDisplayName"_s, u"Kissenfels"_s},
                                       {u"NSHumanReadableCopyright"_s, u"© Vestrandi AG"_s},
                                       {u"CFBundleShortVersionString"_s, u"9.9"_s},
                                       {u"CFBundleVersion"_s, u"99"_s}})
            << u"Kissenfels"_s << u"1.2"_s << u"7"_s << u"© Vestrandi AG"_s;
        QTest::newRow("localised value not a string counts as missing")
            << BundleInfo(complete(), {{u"CFBundleDisplayName"_s, 3}}) << u"pillowrock"_s
            << u"1.2"_s << u"7"_s << u"© Vestrandi's Inc."_s;
        QTest::newRow("overlay without dictionary")
            << BundleInfo(std::nullopt, {{u"CFBundleName"_s, u"Kissenfels"_s}}) << u"Kissenfels"_s
            << na << na << na;
    }

    void lookups()
    {
        QFETCH(BundleInfo, bundle);
        QTEST(appName(bundle), "name");
        QTEST(appVersion(bundle), "version");
        QTEST(buildNumber(bundle), "build");
        QTEST(copyrightNotice(bundle), "copyright");
    }

    void load_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QByteArray>("info");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("version");

        const QByteArray info =
            R"({"CFBundleName": "Pillowrock", "CFBundleShortVersionString": "2.0"})";
        QTest::newRow("language without overlay")
            << QStringList{u"fr-FR"_s} << info << u"Pillowrock"_s << u"2.0"_s;
        QTest::newRow("region falls back to language")
            << QStringList{u"de-CH"_s, u"en"_s} << info << u"Kissenfels"_s << u"2.0"_s;
        QTest::newRow("region overlay first")
            << QStringList{u"de-AT"_s} << info << u"Polsterfels"_s << u"2.0"_s;
        QTest::newRow("first listed language wins")
            << QStringList{u"fr"_s, u"de"_s} << info << u"Kissenfels"_s << u"2.0"_s;
        QTest::newRow("dictionary not JSON")
            << QStringList{u"de"_s} << "{CFBundleName"_ba << u"Kissenfels"_s << na;
        QTest::newRow("dictionary not an object")
            << QStringList{u"en"_s} << R"(["Pillowrock"])"_ba << na << na;
        QTest::newRow("no dictionary file") << QStringList{u"en"_s} << QByteArray() << na << na;
    }

    void load()
    {
        QFETCH(QStringList, languages);
        QFETCH(QByteArray, info);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        if (!info.isNull())
            QVERIFY(write(folder.filePath(u"Info.json"_s), info));
        QVERIFY(write(folder.filePath(u"de.json"_s), R"({"CFBundleName": "Kissenfels"})"));
        QVERIFY(write(folder.filePath(u"de_AT.json"_s), R"({"CFBundleName": "Polsterfels"})"));

        const BundleInfo bundle = BundleInfo::load(folder.path(), languages);
        QTEST(appName(bundle), "name");
        QTEST(appVersion(bundle), "version");
    }

    void embeddedDictionaryIsComplete()
    {
        const BundleInfo &bundle = mainBundle();
        QCOMPARE(infoString(bundle, BundleInfo::nameKey), u"Pillowrock"_s);
        QCOMPARE(appName(bundle), u"Pillowrock"_s);
        QVERIFY(
            QRegularExpression(u"^\\d+\\.\\d+(\\.\\d+)?$"_s).match(appVersion(bundle)).hasMatch());
        QVERIFY(buildNumber(bundle) != na);
        QVERIFY(copyrightNotice(bundle).contains(u"Vestrandi's Inc."_s));
    }
};

QTEST_GUILESS_MAIN(BundleInfoTest)
#include "tst_bundleinfo.moc"
