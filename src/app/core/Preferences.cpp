#include "Preferences.h"

#include "AppIdentity.h"

#include "common/core/PrintLine.h"
#include "common/core/SettingsValue.h"

#include <QMetaType>
#include <QSettings>

#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct PreferenceKey
{
    QLatin1StringView key;
    QMetaType::Type type;
    QVariant defaultValue;
};

const std::array<PreferenceKey, 2> &preferenceKeys()
{
    static const std::array<PreferenceKey, 2> keys{{
        {Preferences::isAlwaysOnTopKey, QMetaType::Bool, QVariant(false)},
        {Preferences::nameKey, QMetaType::QString, QVariant(QString())},
    }};
    return keys;
}

// The table is the one list of keys, their types and defaults; only its keys are ever asked for.
const PreferenceKey &keyEntry(QLatin1StringView key)
{
    const auto &keys = preferenceKeys();
    const auto found = std::find_if(keys.begin(), keys.end(),
                                    [key](const PreferenceKey &entry) { return entry.key == key; });
    Q_ASSERT(found != keys.end());
    return *found;
}

// A stored value counts only when it is of the key's type. Text stores (INI) give back every
// scalar as a string, so a boolean is accepted there only as the exact words QSettings writes:
// "7" or "banana" must never read as true.
std::optional<QVariant> accepted(const PreferenceKey &entry, const QVariant &stored)
{
    if (!stored.isValid())
        return std::nullopt;
    const int type = stored.typeId();
    if (entry.type == QMetaType::Bool) {
        if (type == QMetaType::Bool)
            return stored;
        if (type == QMetaType::QString) {
            const QString text = stored.toString();
            if (text == "true"_L1)
                return QVariant(true);
            if (text == "false"_L1)
                return QVariant(false);
        }
        return std::nullopt;
    }
    if (entry.type == QMetaType::QString && type == QMetaType::QString)
        return stored;
    return std::nullopt;
}

} // namespace

Preferences::Preferences(QObject *parent)
    : Preferences(std::make_unique<QSettings>(QSettings::defaultFormat(), QSettings::UserScope,
                                              QString::fromUtf8(AppIdentity::organizationFolder),
                                              QString::fromUtf8(AppIdentity::name)),
                  parent)
{}

Preferences::Preferences(const QString &iniFile, QObject *parent)
    : Preferences(std::make_unique<QSettings>(iniFile, QSettings::IniFormat), parent)
{}

Preferences::Preferences(std::unique_ptr<QSettings> settings, QObject *parent)
    : QObject(parent)
    , m_settings(std::move(settings))
{
    m_settings->setFallbacksEnabled(false);
    dropUnreadableValues(*m_settings);
}

Preferences::~Preferences() = default;

bool Preferences::isAlwaysOnTop() const
{
    return value(isAlwaysOnTopKey).toBool();
}

void Preferences::setAlwaysOnTop(bool on)
{
    if (store(isAlwaysOnTopKey, on))
        emit alwaysOnTopChanged(on);
}

QString Preferences::name() const
{
    return value(nameKey).toString();
}

void Preferences::setName(const QString &name)
{
    if (store(nameKey, name))
        emit nameChanged(name);
}

QVariant Preferences::value(QLatin1StringView key) const
{
    const PreferenceKey &entry = keyEntry(key);
    if (const auto unsaved = m_unsaved.constFind(key); unsaved != m_unsaved.cend())
        return *unsaved;
    return accepted(entry, settingsValue(*m_settings, key)).value_or(entry.defaultValue);
}

// Whether the value changed; an unchanged value is neither written nor synced.
bool Preferences::store(QLatin1StringView key, const QVariant &newValue)
{
    if (value(key) == newValue)
        return false;
    m_settings->setValue(key, newValue);
    // Stored at once, so the choice survives the process being killed right after it.
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError) {
        m_unsaved.remove(key);
    } else {
        m_unsaved.insert(key, newValue);
        reportUnsavedOnce();
    }
    return true;
}

void Preferences::reportUnsavedOnce()
{
    if (m_reportedUnsaved)
        return;
    m_reportedUnsaved = true;
    printErrorLine(QString::fromUtf8(AppIdentity::name) % u": settings cannot be saved to "_s %
                   m_settings->fileName() % u"; changes are kept until the application quits."_s);
}
