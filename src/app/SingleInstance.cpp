#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

constexpr int answerTimeoutMs = 1000;

// On Unix a path in the user's runtime folder, which belongs to the user and to the session; on
// Windows a pipe name, which is per session already, with the user's name in it.
QString serverName()
{
    const QString name = QStringLiteral(PILLOWROCK_APP_ID);
#ifdef Q_OS_WIN
    return name + u'-' + qEnvironmentVariable("USERNAME");
#else
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + u'/' + name + u".socket"_s;
#endif
}

} // namespace

SingleInstance::SingleInstance(QObject *parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("activate"))
                    emit activationRequested();
            });
        }
    });
}

bool SingleInstance::handOver()
{
    const QString name = serverName();
    QLocalSocket running;
    running.connectToServer(name);
    if (running.waitForConnected(answerTimeoutMs)) {
        running.write("activate\n");
        running.waitForBytesWritten(answerTimeoutMs);
        running.disconnectFromServer();
        return true;
    }
    // Nobody answered: whatever is left under the name is stale.
    QLocalServer::removeServer(name);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(name);
    return false;
}
