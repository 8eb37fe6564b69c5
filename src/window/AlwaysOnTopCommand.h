#pragma once

#include <QAction>

class Preferences;

// The Window menu's "Toggle Always on Top": a check item that shows the always-on-top preference
// and flips it. It follows changes made by any other control at once.
class AlwaysOnTopCommand final : public QAction
{
    Q_OBJECT

public:
    AlwaysOnTopCommand(Preferences &preferences, QObject *parent);

private:
    Preferences &m_preferences;
};
