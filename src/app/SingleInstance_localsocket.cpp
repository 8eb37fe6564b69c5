#include "SingleInstance.h"

#include "common/Platform.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

// Where there is no session bus (Windows, macOS), a local socket named for the user holds the name.
namespace {

constexpr int answerTimeoutMs = 1000;

// On Unix a path in the user's runtime folder, which belongs to the user and to the session; on
// Windows a pipe name, which is per session already, with the user's name in it.
QString serverName()
{
    const QString name = QGuiApplication::desktopFileName();
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
{}

bool SingleInstance::handOver()
{
    const QString name = serverName();
    QLocalSocket running;
    running.connectToServer(name);
    if (running.waitForConnected(answerTimeoutMs)) {
        Platform::allowOtherInstanceToComeForward();
        running.write("activate\n");
        running.waitForBytesWritten(answerTimeoutMs);
        running.disconnectFromServer();
        return true;
    }
    // Nobody answered: whatever is left under the name is stale.
    QLocalServer::removeServer(name);
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    server->listen(name);
    connect(server, &QLocalServer::newConnection, this, [this, server] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("activate"))
                    emit activationRequested();
            });
        }
    });
    return false;
}
