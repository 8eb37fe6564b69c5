#include "AtomicWrite.h"

#include <QSaveFile>

bool writeAtomically(const QString &path, QByteArrayView contents, QString *reason)
{
    QSaveFile file(path);
    auto fail = [&] {
        if (reason)
            *reason = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    // A write that takes fewer bytes than offered (a full disk) must not pass for a save.
    if (file.write(contents.data(), contents.size()) != contents.size())
        return fail();
    if (!file.flush())
        return fail();
    if (!file.commit()) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    return true;
}
