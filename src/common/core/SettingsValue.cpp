#include "SettingsValue.h"

#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

#include <exception>

using namespace Qt::StringLiterals;

namespace {

// Only a variant goes through QDataStream, which trusts the sizes it reads; every other form of a
// value is plain text.
constexpr QByteArrayView storedVariant = "=@Variant(";

// Read on its own, from a file of its own: a settings file that threw once throws again, but only
// for its own name.
bool readable(const QByteArray &line, const QString &probe)
{
    QFile copy(probe);
    if (!copy.open(QIODevice::WriteOnly) || copy.write("[probe]\n" + line + '\n') < 0)
        return true;
    copy.close();
    QSettings settings(probe, QSettings::IniFormat);
    try {
        for (const QString &key : settings.allKeys())
            settings.value(key);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace

void dropUnreadableValues(QSettings &settings)
{
    QFile file(settings.fileName());
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray text = file.readAll();
    file.close();
    if (!text.contains(storedVariant))
        return;

    QTemporaryDir probes;
    QList<QByteArray> lines = text.split('\n');
    const qsizetype before = lines.size();
    int probe = 0;
    lines.removeIf([&](const QByteArray &line) {
        return line.contains(storedVariant) &&
               !readable(line, probes.filePath(QString::number(probe++) + u".ini"_s));
    });
    if (lines.size() == before)
        return;
    QSaveFile repaired(file.fileName());
    if (repaired.open(QIODevice::WriteOnly) && repaired.write(lines.join('\n')) >= 0)
        repaired.commit();
    settings.sync();
}

QVariant settingsValue(const QSettings &settings, QAnyStringView key)
{
    try {
        return settings.value(key);
    } catch (const std::exception &) {
        return {};
    }
}
