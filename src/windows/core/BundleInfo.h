#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <optional>

// An application's information dictionary: the raw table of keys and values, which may be missing
// altogether, and the values localised for the user's language laid over it. The lookups below
// are the only readers; they turn every missing or mistyped value into something printable.
class BundleInfo final
{
public:
    static constexpr QLatin1StringView displayNameKey{"CFBundleDisplayName"};
    static constexpr QLatin1StringView nameKey{"CFBundleName"};
    static constexpr QLatin1StringView shortVersionKey{"CFBundleShortVersionString"};
    static constexpr QLatin1StringView versionKey{"CFBundleVersion"};
    static constexpr QLatin1StringView copyrightKey{"NSHumanReadableCopyright"};
    // What every lookup yields when the dictionary has nothing usable.
    static constexpr QLatin1StringView notAvailable{"N/A"};

    // A bundle without any dictionary.
    BundleInfo() = default;
    explicit BundleInfo(std::optional<QVariantMap> infoDictionary, QVariantMap localizedInfo = {});

    // Reads "Info.json" from the folder and lays over it the overlay of the first language in
    // uiLanguages that has one ("de-AT" tries "de_AT.json", then "de.json"). A file that is
    // missing or holds no JSON object counts as no dictionary (no overlay).
    static BundleInfo load(const QString &folder, const QStringList &uiLanguages);

    const std::optional<QVariantMap> &infoDictionary() const { return m_infoDictionary; }
    // The localised value of the key when there is one, else the raw value, else an invalid
    // variant.
    QVariant object(const QString &key) const;

private:
    std::optional<QVariantMap> m_infoDictionary;
    QVariantMap m_localizedInfo;
};

// The application's own dictionary, embedded at build time, in the user's language. Read once.
const BundleInfo &mainBundle();

// The raw value of the key as stored when it is a string; "N/A" otherwise.
QString infoString(const BundleInfo &bundle, const QString &key);
// The localised (else raw) value of the key when it is a string, even an empty one; nothing
// otherwise.
std::optional<QString> localizedInfoString(const BundleInfo &bundle, const QString &key);

// The display name, else the bundle name, else "N/A". An empty display name is a name.
QString appName(const BundleInfo &bundle = mainBundle());
// Version and build always come from the raw dictionary: they are never localised.
QString appVersion(const BundleInfo &bundle = mainBundle());
QString buildNumber(const BundleInfo &bundle = mainBundle());
QString copyrightNotice(const BundleInfo &bundle = mainBundle());
