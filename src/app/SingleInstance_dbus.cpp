#include "SingleInstance.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

// On Linux desktops the single instance is the app id owned on the session bus. Launchers
// (DBusActivatable), notifications and a second launch all reach the owner through the standard
// org.freedesktop.Application interface.
namespace {

const QString applicationInterface = u"org.freedesktop.Application"_s;
constexpr int answerTimeoutMs = 5000;

QString appId()
{
    return QGuiApplication::desktopFileName();
}

// The object path that the desktop derives from the app id.
QString objectPath()
{
    return u'/' + appId().replace(u'.', u'/').replace(u'-', u'_');
}

// What lets the running instance's window take the focus for this launch: a Wayland compositor
// that prevents focus stealing gives it only for the token the launcher handed to this process.
QVariantMap launchPlatformData()
{
    QVariantMap data;
    if (const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN"); !token.isEmpty())
        data.insert(u"activation-token"_s, token);
    if (const QString id = qEnvironmentVariable("DESKTOP_STARTUP_ID"); !id.isEmpty())
        data.insert(u"desktop-startup-id"_s, id);
    return data;
}

// Qt's Wayland plugin hands the token in this variable to the compositor the next time a window
// asks for the focus, then clears it.
void takeActivationToken(const QVariantMap &platformData)
{
    const QString token = platformData.value(u"activation-token"_s).toString();
    if (!token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
}

class ApplicationAdaptor final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit ApplicationAdaptor(SingleInstance *instance)
        : QDBusAbstractAdaptor(instance)
        , m_instance(instance)
    {}

public slots:
    void Activate(const QVariantMap &platformData)
    {
        takeActivationToken(platformData);
        emit m_instance->activationRequested();
    }

    // The application opens no files; being asked to is still being asked to come forward.
    void Open([[maybe_unused]] const QStringList &uris, const QVariantMap &platformData)
    {
        Activate(platformData);
    }

    void ActivateAction(const QString &name, [[maybe_unused]] const QVariantList &parameter,
                        const QVariantMap &platformData)
    {
        takeActivationToken(platformData);
        emit m_instance->actionRequested(name);
    }

private:
    SingleInstance *m_instance;
};

} // namespace

SingleInstance::SingleInstance(QObject *parent)
    : QObject(parent)
{}

bool SingleInstance::handOver()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Without a session bus there is no one to ask and nothing to guard: run.
    if (!bus.isConnected())
        return false;
    // The object answers before the name is taken, so no call to the new owner finds it missing.
    new ApplicationAdaptor(this);
    bus.registerObject(objectPath(), this, QDBusConnection::ExportAdaptors);
    // The bus gives the name to one process only, also when two start at the same moment.
    const auto claimed =
        bus.interface()->registerService(appId(), QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (claimed.isValid() && claimed.value() == QDBusConnectionInterface::ServiceRegistered)
        return false;
    bus.unregisterObject(objectPath());

    QDBusMessage activate =
        QDBusMessage::createMethodCall(appId(), objectPath(), applicationInterface, u"Activate"_s);
    activate << launchPlatformData();
    bus.call(activate, QDBus::Block, answerTimeoutMs);
    return true;
}

#include "SingleInstance_dbus.moc"
