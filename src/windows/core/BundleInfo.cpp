#include "BundleInfo.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

std::optional<QVariantMap> readDictionary(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject())
        return std::nullopt;
    return document.object().toVariantMap();
}

// "de-AT" and "de_AT" both give "de_AT", then "de". The dictionary itself is English, like the
// texts: a user who puts English first reads it as it is.
QStringList overlayNames(const QStringList &uiLanguages)
{
    QStringList names;
    for (QString name : uiLanguages) {
        name.replace(u'-', u'_');
        if (QLocale(name).language() == QLocale::English)
            break;
        while (!name.isEmpty()) {
            if (!names.contains(name))
                names.append(name);
            const qsizetype separator = name.lastIndexOf(u'_');
            name.truncate(separator < 0 ? 0 : separator);
        }
    }
    return names;
}

} // namespace

BundleInfo::BundleInfo(std::optional<QVariantMap> infoDictionary, QVariantMap localizedInfo)
    : m_infoDictionary(std::move(infoDictionary))
    , m_localizedInfo(std::move(localizedInfo))
{}

BundleInfo BundleInfo::load(const QString &folder, const QStringList &uiLanguages)
{
    std::optional<QVariantMap> info = readDictionary(folder + "/Info.json"_L1);
    for (const QString &name : overlayNames(uiLanguages)) {
        if (std::optional<QVariantMap> overlay = readDictionary(folder + u'/' + name + ".json"_L1))
            return BundleInfo(std::move(info), std::move(*overlay));
    }
    return BundleInfo(std::move(info));
}

QVariant BundleInfo::object(const QString &key) const
{
    if (const auto localized = m_localizedInfo.constFind(key); localized != m_localizedInfo.cend())
        return *localized;
    if (m_infoDictionary)
        return m_infoDictionary->value(key);
    return {};
}

const BundleInfo &mainBundle()
{
    static const BundleInfo bundle = BundleInfo::load(u":/info"_s, QLocale().uiLanguages());
    return bundle;
}

QString infoString(const BundleInfo &bundle, const QString &key)
{
    const std::optional<QVariantMap> &info = bundle.infoDictionary();
    if (!info)
        return BundleInfo::notAvailable;
    const QVariant value = info->value(key);
    if (value.typeId() != QMetaType::QString)
        return BundleInfo::notAvailable;
    return value.toString();
}

std::optional<QString> localizedInfoString(const BundleInfo &bundle, const QString &key)
{
    const QVariant value = bundle.object(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

QString appName(const BundleInfo &bundle)
{
    if (std::optional<QString> name = localizedInfoString(bundle, BundleInfo::displayNameKey))
        return *name;
    return localizedInfoString(bundle, BundleInfo::nameKey).value_or(BundleInfo::notAvailable);
}

QString appVersion(const BundleInfo &bundle)
{
    return infoString(bundle, BundleInfo::shortVersionKey);
}

QString buildNumber(const BundleInfo &bundle)
{
    return infoString(bundle, BundleInfo::versionKey);
}

QString copyrightNotice(const BundleInfo &bundle)
{
    return localizedInfoString(bundle, BundleInfo::copyrightKey).value_or(BundleInfo::notAvailable);
}
