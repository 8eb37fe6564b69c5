#include "AlwaysOnTop.h"

#include "ApplyAlwaysOnTop.h"
#include "LevelledQWindow.h"
#include "WindowReflection.h"

#include "app/Preferences.h"

AlwaysOnTop::AlwaysOnTop(Preferences &preferences, QWidget *host)
    : QObject(host)
    , m_preferences(preferences)
    , m_reflection(new WindowReflection(host))
{
    setObjectName(QStringLiteral("alwaysOnTop"));
    connect(m_reflection, &WindowReflection::captured, this, &AlwaysOnTop::apply);
    connect(&m_preferences, &Preferences::changed, this, [this](const QString &key) {
        if (key == Preferences::isAlwaysOnTopKey)
            apply(m_reflection->hostWindow());
    });
}

QWindow *AlwaysOnTop::window() const
{
    return m_reflection->hostWindow();
}

void AlwaysOnTop::apply(QWindow *window)
{
    if (!window)
        return;
    LevelledQWindow levelled(window);
    applyAlwaysOnTop(&levelled, m_preferences.isAlwaysOnTop());
}
