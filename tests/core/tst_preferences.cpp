#include "Files.h"

#include "app/core/Preferences.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class PreferencesTest : public QObject
{
    Q_OBJECT

private slots:
    void badStoredValuesReadAsDefaultAndStay_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<QString>("name");
        const QByteArray onTop = "[General]\nwindow.setting.isAlwaysOnTop=";
        const QByteArray name = "[General]\nsettings.general.name=";
        QTest::newRow("nothing stored") << QByteArray() << false << QString();
        QTest::newRow("true") << onTop + "true" << true << QString();
        QTest::newRow("one under boolean") << onTop + "1" << false << QString();
        QTest::newRow("list under boolean") << onTop + "true, true" << false << QString();
        QTest::newRow("list under name") << name + "a, b" << false << QString();
        QTest::newRow("a real boolean")
            << onTop + "@Variant(\\0\\0\\0\\x1\\x1)" << true << QString();
        QTest::newRow("a variant claiming gigabytes")
            << onTop + "@Variant(\\0\\0\\0\\x\\11x\xff\t)" << false << QString();
        QTest::newRow("binary garbage")
            << QByteArray("\0\xff[General\n\x01=\xfe\n=", 16) << false << QString();
    }

    void badStoredValuesReadAsDefaultAndStay()
    {
        QFETCH(QByteArray, stored);
        QVERIFY(writeFile(iniPath(), stored));
        auto preferences = std::make_unique<Preferences>(iniPath());
        const QByteArray opened = readFile(iniPath()); // without what no Qt can read
        QTEST(preferences->isAlwaysOnTop(), "onTop");
        QTEST(preferences->name(), "name");
        // Neither reading nor setting the value it already has writes: the bad value stays for
        // whoever wrote it.
        preferences->setAlwaysOnTop(preferences->isAlwaysOnTop());
        preferences->setName(preferences->name());
        QCOMPARE(readFile(iniPath()), opened);
        // And a real change is stored beside it.
        preferences->setName(u"Zoë"_s);
        preferences.reset();
        QCOMPARE(Preferences(iniPath()).name(), u"Zoë"_s);
    }

    void storesChangesAtOnceAndSignalsThem_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("writable: on disk at once") << true;
        QTest::newRow("unwritable: kept for the session") << false;
    }

    void storesChangesAtOnceAndSignalsThem()
    {
        QFETCH(bool, writable);
        // A store whose folder is a regular file cannot be written, not even by root.
        const QString path =
            writable ? iniPath() : QCoreApplication::applicationFilePath() + u"/p.conf"_s;
        Preferences preferences(path);
        QSignalSpy onTop(&preferences, &Preferences::alwaysOnTopChanged);
        QSignalSpy name(&preferences, &Preferences::nameChanged);
        for (bool on : {true, true, false})
            preferences.setAlwaysOnTop(on);
        preferences.setName(u"Zoë"_s);
        preferences.setName(u"Zoë"_s);
        preferences.setName(QString());
        QCOMPARE(onTop, (QList<QVariantList>{{true}, {false}}));
        QCOMPARE(name, (QList<QVariantList>{{u"Zoë"_s}, {QString()}}));
        preferences.setAlwaysOnTop(true);
        QVERIFY(preferences.isAlwaysOnTop());
        // On disk at once, not when the store is closed (another store here would share a cache).
        QCOMPARE(readFile(path).contains("isAlwaysOnTop=true"), writable);
    }

private:
    // Named after the row, in characters every file system takes (a row's name may hold a colon).
    QString iniPath() const
    {
        const QByteArray row = QByteArray(QTest::currentTestFunction()) + QTest::currentDataTag();
        return m_dir.filePath(QString::fromLatin1(row.toPercentEncoding()) + u".conf"_s);
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(PreferencesTest)
#include "tst_preferences.moc"
