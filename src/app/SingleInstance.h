#pragma once

#include <QObject>

// One application per user session. The first instance claims the application's name; a later
// launch finds it taken, asks the running instance to come forward and steps aside. On Linux
// desktops the name is the app id on the session bus, where the desktop's launcher and
// notifications reach the running instance too (org.freedesktop.Application); elsewhere it is a
// local socket.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QObject *parent = nullptr);

    // True when another instance runs and has been asked to come forward: this one should end.
    // Otherwise this instance holds the name and hears later launches from now on.
    bool handOver();

signals:
    // A later launch, or the desktop, asked this instance to show its main window.
    void activationRequested();
    // The desktop asked for one of the application's actions by name (a desktop-entry action,
    // a notification's button).
    void actionRequested(const QString &name);
};
