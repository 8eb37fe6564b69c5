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

    // Opens the store named after the app's organisation and name, in the default format: the
    // native one (the registry on Windows) unless a test has chosen INI files of its own.
    explicit Preferences(QObject *parent = nullptr);
    // Opens the given INI file instead; for tools and tests that must not touch the user's store.
    explicit Preferences(const QString &iniFile, QObject *parent = nullptr);
    ~Preferences() override;

    // Each value is the stored one, or the key's default when none is stored or the stored one is
    // not of the key's type. Setting a value stores it at once, and only when it changes.
    bool isAlwaysOnTop() const;
    void setAlwaysOnTop(bool on);

    QString name() const;
    void setName(const QString &name);

signals:
    void alwaysOnTopChanged(bool on);
    void nameChanged(const QString &name);

private:
    explicit Preferences(std::unique_ptr<QSettings> settings, QObject *parent);
    QVariant value(QLatin1StringView key) const;
    bool store(QLatin1StringView key, const QVariant &value);
    void reportUnsavedOnce();

    std::unique_ptr<QSettings> m_settings;
    // Values the store refused to take; they still hold for the rest of the session.
    QHash<QString, QVariant> m_unsaved;
    bool m_reportedUnsaved = false;
};
