#include "windows/BundleInfo.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString na = u"N/A"_s;

// A complete dictionary with one key replaced (an invalid value removes it).
QVariantMap info(const QString &key = {}, const QVariant &value = {})
{
    QVariantMap info{{u"CFBundleDisplayName"_s, u"Pillowrock"_s},
                     {u"CFBundleName"_s, u"pillowrock"_s},
                     {u"CFBundleShortVersionString"_s, u"1.2"_s},
                     {u"CFBundleVersion"_s, u"7"_s},
                     {u"NSHumanReadableCopyright"_s, u"© Vestrandi"_s}};
    if (value.isValid())
        info.insert(key, value);
    else
        info.remove(key);
    return info;
}

} // namespace

class BundleInfoTest : public QObject
{
    Q_OBJECT

private slots:
    void lookups_data()
    {
        QTest::addColumn<BundleInfo>("bundle");
        QTest::addColumn<QStringList>("expected"); // name, version, build, copyright

        QTest::newRow("no dictionary") << BundleInfo() << QStringList{na, na, na, na};
        QTest::newRow("empty dictionary")
            << BundleInfo(QVariantMap()) << QStringList{na, na, na, na};
        QTest::newRow("version stored as a number")
            << BundleInfo(info(u"CFBundleShortVersionString"_s, 1.2))
            << QStringList{u"Pillowrock"_s, na, u"7"_s, u"© Vestrandi"_s};
        QTest::newRow("missing display name: bundle name")
            << BundleInfo(info(u"CFBundleDisplayName"_s))
            << QStringList{u"pillowrock"_s, u"1.2"_s, u"7"_s, u"© Vestrandi"_s};
        QTest::newRow("empty display name used as is")
            << BundleInfo(info(u"CFBundleDisplayName"_s, QString(""_L1)))
            << QStringList{QString(""_L1), u"1.2"_s, u"7"_s, u"© Vestrandi"_s};
        QTest::newRow("localised name and copyright; version and build never")
            << BundleInfo(info(), {{u"CFBundleDisplayName"_s, u"Kissenfels"_s},
                                   {u"NSHumanReadableCopyright"_s, u"© Vestrandi AG"_s},
                                   {u"CFBundleShortVersionString"_s, u"9.9"_s},
                                   {u"CFBundleVersion"_s, u"99"_s}})
            << QStringList{u"Kissenfels"_s, u"1.2"_s, u"7"_s, u"© Vestrandi AG"_s};
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
            << QStringList{u"de"_s} << "{CFBundleName"_ba << u"Kissenfels"_s << na;
    }

    void load()
    {
        QFETCH(QStringList, languages);
        QFETCH(QByteArray, info);
        QTemporaryDir folder;
        const auto write = [&](const QString &name, const QByteArray &text) {
            QFile file(folder.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
        };
        QVERIFY(write(u"Info.json"_s, info));
        QVERIFY(write(u"de.json"_s, R"({"CFBundleName": "Kissenfels"})"));
        QVERIFY(write(u"de_AT.json"_s, R"({"CFBundleName": "Polsterfels"})"));

        const BundleInfo bundle = BundleInfo::load(folder.path(), languages);
        QTEST(appName(bundle), "name");
        QTEST(appVersion(bundle), "version");
    }

    void embeddedDictionaryIsComplete()
    {
        const BundleInfo &bundle = mainBundle();
        QCOMPARE(infoString(bundle, BundleInfo::nameKey), u"Pillowrock"_s);
        QVERIFY(
            QRegularExpression(u"^\\d+\\.\\d+(\\.\\d+)?$"_s).match(appVersion(bundle)).hasMatch());
        QVERIFY(buildNumber(bundle) != na);
        QVERIFY(copyrightNotice(bundle).contains(u"Vestrandi's Inc."_s));
    }
};

QTEST_GUILESS_MAIN(BundleInfoTest)
#include "tst_bundleinfo.moc"
