#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

// The application's remembered choices: two keys in the platform's native settings store
// (an INI file under the user's configuration folder on Linux, the user defaults on macOS, the
// registry on Windows). One instance serves the whole process, so every window and control bound
// to a key hears about a change from any other at once.
class Preferences final : public QObject
{
    Q_OBJECT

public:
    static constexpr QLatin1StringView isAlwaysOnTopKey{"window.setting.isAlwaysOnTop"};
    static constexpr QLatin1StringView nameKey{"settings.general.name"};

    // Opens the native store of the organisation "Vestrandi" and the application "Pillowrock".
    explicit Preferences(QObject *parent = nullptr);
    // Opens the given INI file instead; for tools and tests that must not touch the user's store.
    explicit Preferences(const QString &iniFile, QObject *parent = nullptr);
    ~Preferences() override;

    bool isAlwaysOnTop() const;
    void setAlwaysOnTop(bool on);

    QString name() const;
    void setName(const QString &name);

    // The stored value of a known key, or its default when it is absent or of the wrong type.
    QVariant value(QLatin1StringView key) const;
    // Stores a value of the key's type at once; other keys and other types are refused.
    bool setValue(QLatin1StringView key, const QVariant &value);

    QString fileName() const;

signals:
    void changed(const QString &key);

private:
    explicit Preferences(std::unique_ptr<QSettings> settings, QObject *parent);
    void reportUnsavedOnce();

    std::unique_ptr<QSettings> m_settings;
    // Values the store refused to take; they still hold for the rest of the session.
    QHash<QString, QVariant> m_unsaved;
    bool m_reportedUnsaved = false;
};
