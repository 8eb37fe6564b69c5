#pragma once

#include <QObject>

class Preferences;
class QWidget;
class QWindow;
class WindowReflection;

// Keeps one main window at the level the always-on-top preference asks for. It captures the window
// it is installed in, applies the stored choice as soon as the window is known, and then every
// change of the choice, whichever control made it. Changes before the capture are not queued:
// the value current at capture time is what counts.
class AlwaysOnTop final : public QObject
{
    Q_OBJECT

public:
    // Installs itself into host's window; host owns it.
    AlwaysOnTop(Preferences &preferences, QWidget *host);

    QWindow *window() const;

private:
    void apply(QWindow *window);

    Preferences &m_preferences;
    WindowReflection *m_reflection;
};
