#pragma once

#include <QAnyStringView>
#include <QVariant>

class QSettings;

// The value stored under key, or an invalid QVariant when none is stored or it cannot be read.
// A settings file is the user's to edit, and to damage: from Qt 6.11 on, a stored variant that
// claims more memory than there is makes QSettings throw std::bad_alloc, which would end the app
// at every start until the file is found and deleted.
QVariant settingsValue(const QSettings &settings, QAnyStringView key);
