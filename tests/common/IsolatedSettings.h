#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

// Points the native settings store at a fresh folder for the life of the test process. Create it
// before anything opens the store: QSettings resolves the user's folder once.
class IsolatedSettings final
{
public:
    IsolatedSettings() { qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit()); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
