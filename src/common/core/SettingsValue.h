#pragma once

#include <QAnyStringView>
#include <QVariant>

class QSettings;

// A settings file is the user's to edit, and to damage. From Qt 6.11 on, a stored variant that
// claims more memory than there is makes QSettings throw std::bad_alloc whenever that part of the
// file is read: for that value, for every other value beside it, and when writing back merges the
// file, so the app would end, or hang on quitting, at every start until the file is deleted.

// Takes every stored variant that cannot be read out of the settings' file, each tried on its own
// in a copy first, and has the settings read the file again; what can be read stays as it is.
// Call it before the first value is read.
void dropUnreadableValues(QSettings &settings);

// The value stored under key, or an invalid QVariant when none is stored or it cannot be read.
QVariant settingsValue(const QSettings &settings, QAnyStringView key);
