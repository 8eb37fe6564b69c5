#include "AtomicWrite.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace {

// A write may take only part of the data (a full disk does that without an error); the next one
// then fails and says why.
bool writeAll(QSaveFile &file, QByteArrayView contents)
{
    while (!contents.isEmpty()) {
        const qint64 written = file.write(contents.data(), contents.size());
        if (written <= 0)
            return false;
        contents = contents.sliced(written);
    }
    return true;
}

} // namespace

bool writeAtomically(const QString &path, QByteArrayView contents, QString *reason)
{
    QSaveFile file(path);
    // Unbuffered: the contents go out in one block anyway, and each write's result is then the
    // disk's answer rather than the buffer's.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         writeAll(file, contents) && file.commit();
    if (!written && reason) {
        *reason = file.error() == QFileDevice::NoError
                      ? QCoreApplication::translate("AtomicWrite",
                                                    "Not all of the data could be written.")
                      : file.errorString();
    }
    // Not committed: the temporary file is removed and the old file stays as it was.
    return written;
}
