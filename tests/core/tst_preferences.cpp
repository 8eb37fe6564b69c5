#include "app/Preferences.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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
        QTest::newRow("banana under boolean") << onTop + "banana" << false << QString();
        QTest::newRow("one under boolean") << onTop + "1" << false << QString();
        QTest::newRow("list under boolean") << onTop + "true, true" << false << QString();
        QTest::newRow("name") << name + "Ada" << false << u"Ada"_s;
        QTest::newRow("list under name") << name + "a, b" << false << QString();
        QTest::newRow("binary under name") << name + "@ByteArray(xyz)" << false << QString();
        QTest::newRow("binary garbage")
            << QByteArray("\0\xff[General\n\x01=\xfe\n=", 16) << false << QString();
    }

    void badStoredValuesReadAsDefaultAndStay()
    {
        QFETCH(QByteArray, stored);
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(stored) == stored.size());
        file.close();
        Preferences preferences(iniPath());
        QTEST(preferences.isAlwaysOnTop(), "onTop");
        QTEST(preferences.name(), "name");
        // Reading writes nothing back: the bad value stays for whoever wrote it.
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), stored);
    }

    void writeIsOnDiskAtOnceAndSignalledOnChange()
    {
        Preferences preferences(iniPath());
        QSignalSpy changed(&preferences, &Preferences::changed);
        preferences.setAlwaysOnTop(true);
        preferences.setAlwaysOnTop(true); // no change, no signal
        preferences.setName(u"Zoë\tand\n\"friends\""_s);
        // A second store opened now sees the values: nothing waits for the first to close.
        Preferences other(iniPath());
        QCOMPARE(other.isAlwaysOnTop(), true);
        QCOMPARE(other.name(), u"Zoë\tand\n\"friends\""_s);
        QCOMPARE(changed.count(), 2);

        // A cleared name survives as empty, not as absent.
        preferences.setName(QString());
        QCOMPARE(Preferences(iniPath()).value(Preferences::nameKey), QVariant(QString()));
    }

    void unknownKeysAndWrongTypesAreRefused()
    {
        Preferences preferences(iniPath());
        QVERIFY(!preferences.setValue("window.setting.other"_L1, true));
        QVERIFY(!preferences.setValue(Preferences::isAlwaysOnTopKey, u"true"_s));
        QVERIFY(!preferences.setValue(Preferences::nameKey, 7));
        QVERIFY(!QFile::exists(iniPath()));
    }

    void unwritableStoreKeepsValuesInMemory()
    {
        // A store whose folder is a regular file cannot be written, not even by root.
        const QString unwritable = QCoreApplication::applicationFilePath() + u"/Pillowrock.conf"_s;
        Preferences preferences(unwritable);
        QSignalSpy changed(&preferences, &Preferences::changed);
        preferences.setAlwaysOnTop(true);
        preferences.setName(u"Ada"_s);
        QCOMPARE(preferences.isAlwaysOnTop(), true);
        QCOMPARE(preferences.name(), u"Ada"_s);
        QCOMPARE(changed.count(), 2);
    }

private:
    QString iniPath() const
    {
        return m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) +
                              QString::fromLatin1(QTest::currentDataTag()) + u".conf"_s);
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(PreferencesTest)
#include "tst_preferences.moc"
