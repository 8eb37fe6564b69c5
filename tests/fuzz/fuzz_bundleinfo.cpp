// The information-dictionary lookups over any dictionary and German overlay: the bytes up to the
// first NUL are Info.json, the rest de.json.
#include "Fuzz.h"

#include "windows/core/BundleInfo.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

// Every string the JSON holds under the keys: a lookup may give one of them or "N/A", nothing else.
QStringList stringsUnder(const QList<QByteArray> &documents, const QStringList &keys)
{
    QStringList strings{BundleInfo::notAvailable};
    for (const QByteArray &json : documents) {
        const QJsonObject object = QJsonDocument::fromJson(json).object();
        for (const QString &key : keys) {
            if (object.value(key).isString())
                strings.append(object.value(key).toString());
        }
    }
    return strings;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QTemporaryDir folder;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    const QByteArray info = split < 0 ? bytes : bytes.first(split);
    const QByteArray overlay = split < 0 ? QByteArray() : bytes.sliced(split + 1);
    write(folder.filePath(u"Info.json"_s), info);
    write(folder.filePath(u"de.json"_s), overlay);
    const BundleInfo bundle = BundleInfo::load(folder.path(), {u"de-DE"_s});

    const QList<QByteArray> both{info, overlay};
    FUZZ_CHECK(stringsUnder(both, {BundleInfo::displayNameKey, BundleInfo::nameKey})
                   .contains(appName(bundle)));
    FUZZ_CHECK(stringsUnder(both, {BundleInfo::copyrightKey}).contains(copyrightNotice(bundle)));
    // Version and build are never localised.
    FUZZ_CHECK(stringsUnder({info}, {BundleInfo::shortVersionKey}).contains(appVersion(bundle)));
    FUZZ_CHECK(stringsUnder({info}, {BundleInfo::versionKey}).contains(buildNumber(bundle)));
    return 0;
}
