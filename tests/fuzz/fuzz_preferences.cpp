// The two preferences read from any settings file: a stored value counts only when it is of the
// key's type, anything else reads as the default, and reading writes nothing.
#include "Fuzz.h"

#include "app/core/Preferences.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QTemporaryDir folder;
    static int run = 0;
    // A file of its own each time: QSettings caches what it read per file name.
    const QString path = folder.filePath(u"%1.conf"_s.arg(++run));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    {
        const QSettings raw(path, QSettings::IniFormat);
        const QVariant onTop = raw.value(Preferences::isAlwaysOnTopKey);
        const QVariant name = raw.value(Preferences::nameKey);
        const Preferences preferences(path);
        // INI text gives strings; an @Variant value may hold a real boolean.
        const bool storedOnTop =
            onTop.typeId() == QMetaType::Bool ? onTop.toBool() : onTop == u"true"_s;
        FUZZ_CHECK(preferences.isAlwaysOnTop() == storedOnTop);
        FUZZ_CHECK(preferences.name() ==
                   (name.typeId() == QMetaType::QString ? name.toString() : QString()));
    }
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly) && file.readAll() == bytes);
    file.remove();
    return 0;
}
