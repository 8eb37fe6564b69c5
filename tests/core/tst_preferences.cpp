#include "app/Preferences.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class PreferencesTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void cleanup() { QFile::remove(iniPath()); }

    void defaultsWithoutWritingThem()
    {
        Preferences preferences(iniPath());
        QCOMPARE(preferences.isAlwaysOnTop(), false);
        QCOMPARE(preferences.name(), QString());
        QVERIFY(!QFile::exists(iniPath()));
    }

    void wrongTypesReadAsDefault_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QVariant>("expected");

        const QString onTop = Preferences::isAlwaysOnTopKey;
        const QString name = Preferences::nameKey;
        QTest::newRow("true") << onTop << "true"_ba << QVariant(true);
        QTest::newRow("false") << onTop << "false"_ba << QVariant(false);
        QTest::newRow("banana under boolean") << onTop << "banana"_ba << QVariant(false);
        QTest::newRow("number under boolean") << onTop << "7"_ba << QVariant(false);
        QTest::newRow("one under boolean") << onTop << "1"_ba << QVariant(false);
        QTest::newRow("list under boolean") << onTop << "true, true"_ba << QVariant(false);
        QTest::newRow("empty under boolean") << onTop << ""_ba << QVariant(false);
        QTest::newRow("name") << name << "Ada"_ba << QVariant(u"Ada"_s);
        QTest::newRow("list under name") << name << "a, b"_ba << QVariant(QString());
        QTest::newRow("binary under name") << name << "@ByteArray(xyz)"_ba << QVariant(QString());
    }

    void wrongTypesReadAsDefault()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, stored);
        QFETCH(QVariant, expected);
        writeIni(splitKey(key, stored));

        Preferences preferences(iniPath());
        QCOMPARE(preferences.value(QLatin1StringView(key.toLatin1())), expected);

        // Reading leaves a bad value where it is; writing another key keeps it too.
        const QString otherKey = key == Preferences::nameKey
                                     ? QString(Preferences::isAlwaysOnTopKey)
                                     : QString(Preferences::nameKey);
        if (otherKey == Preferences::nameKey)
            preferences.setName(u"x"_s);
        else
            preferences.setAlwaysOnTop(true);
        QVERIFY(readIni().contains(stored));
    }

    void writeIsOnDiskAtOnce_data()
    {
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<QString>("name");
        QTest::newRow("set") << true << u"Zoë\tand\n\"friends\""_s;
        // A cleared name is stored as empty and survives as empty, not as absent.
        QTest::newRow("cleared") << false << QString();
    }

    void writeIsOnDiskAtOnce()
    {
        QFETCH(bool, onTop);
        QFETCH(QString, name);
        {
            Preferences preferences(iniPath());
            preferences.setAlwaysOnTop(!onTop);
            preferences.setName(u"before"_s);
            preferences.setAlwaysOnTop(onTop);
            preferences.setName(name);
            // A second store opened now sees the values: nothing waits for the first to close.
            Preferences other(iniPath());
            QCOMPARE(other.isAlwaysOnTop(), onTop);
            QCOMPARE(other.name(), name);
        }
        QSettings raw(iniPath(), QSettings::IniFormat);
        QVERIFY(raw.contains(Preferences::nameKey));
    }

    void changePropagatesToEveryListener()
    {
        Preferences preferences(iniPath());
        QSignalSpy spy(&preferences, &Preferences::changed);

        preferences.setAlwaysOnTop(true);
        preferences.setAlwaysOnTop(true); // no change, no signal
        preferences.setName(u"Ada"_s);
        preferences.setAlwaysOnTop(false);

        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(0).at(0).toString(), QString(Preferences::isAlwaysOnTopKey));
        QCOMPARE(spy.at(1).at(0).toString(), QString(Preferences::nameKey));
        QCOMPARE(preferences.isAlwaysOnTop(), false);
    }

    void unknownKeysAndTypesAreRefused()
    {
        Preferences preferences(iniPath());
        QVERIFY(!preferences.setValue("window.setting.other"_L1, true));
        QVERIFY(!preferences.setValue(Preferences::isAlwaysOnTopKey, u"true"_s));
        QVERIFY(!preferences.setValue(Preferences::nameKey, 7));
        QCOMPARE(preferences.value("window.setting.other"_L1), QVariant());
        QVERIFY(!QFile::exists(iniPath()));
    }

    void corruptFileGivesDefaults()
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray garbage(4096, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = char((i * 7919) % 256);
        file.write(garbage);
        file.close();

        Preferences preferences(iniPath());
        QCOMPARE(preferences.isAlwaysOnTop(), false);
        QCOMPARE(preferences.name(), QString());
        preferences.setAlwaysOnTop(true);
        QCOMPARE(preferences.isAlwaysOnTop(), true);
    }

    void unwritableStoreKeepsValuesInMemory()
    {
        // A store whose folder is a regular file cannot be written, not even by root.
        QFile blocker(m_dir.filePath(u"blocker"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString unwritable = blocker.fileName() + u"/Pillowrock.conf"_s;

        Preferences preferences(unwritable);
        QSignalSpy spy(&preferences, &Preferences::changed);
        preferences.setAlwaysOnTop(true);
        preferences.setName(u"Ada"_s);
        QCOMPARE(preferences.isAlwaysOnTop(), true);
        QCOMPARE(preferences.name(), u"Ada"_s);
        QCOMPARE(spy.count(), 2);
        QVERIFY(!QFile::exists(unwritable));
    }

private:
    QString iniPath() const { return m_dir.filePath(u"Pillowrock.conf"_s); }

    static QByteArray splitKey(const QString &key, const QByteArray &stored)
    {
        // Keys without a slash live in the INI file's General section.
        return "[General]\n" + key.toUtf8() + "=" + stored + "\n";
    }

    void writeIni(const QByteArray &contents)
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QByteArray readIni() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(PreferencesTest)
#include "tst_preferences.moc"
