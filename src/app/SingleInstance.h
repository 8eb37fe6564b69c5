#pragma once

#include <QObject>

class QLocalServer;

// One application per user session. The first instance listens on a local socket named for the
// user and the application; a later one finds it there, asks it to come forward and steps aside.
// A socket left behind by an instance that crashed answers nobody and is replaced.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QObject *parent = nullptr);

    // True when another instance runs and has been asked to come forward: this one should end.
    // Otherwise this instance takes the socket and hears later launches from now on.
    bool handOver();

signals:
    // A later launch asked this instance to show its main window.
    void activationRequested();

private:
    QLocalServer *m_server;
};
