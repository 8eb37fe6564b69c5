#pragma once

#include <QByteArrayView>
#include <QString>

// Replaces the file at path with contents, all or nothing: the bytes go to a temporary file
// beside it, every write is checked, and only a complete file is renamed into place. On failure
// the file that was there is untouched, no partial file remains, and reason (when given) says why
// in words a user can read.
bool writeAtomically(const QString &path, QByteArrayView contents, QString *reason = nullptr);
