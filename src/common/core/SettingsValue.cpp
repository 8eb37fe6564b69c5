#include "SettingsValue.h"

#include <QSettings>

#include <exception>

QVariant settingsValue(const QSettings &settings, QAnyStringView key)
{
    try {
        return settings.value(key);
    } catch (const std::exception &) {
        return {};
    }
}
