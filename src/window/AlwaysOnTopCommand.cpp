#include "AlwaysOnTopCommand.h"

#include "app/Preferences.h"

AlwaysOnTopCommand::AlwaysOnTopCommand(Preferences &preferences, QObject *parent)
    : QAction(tr("Toggle Always on Top"), parent)
    , m_preferences(preferences)
{
    setObjectName(QStringLiteral("alwaysOnTopAction"));
    setCheckable(true);
    setChecked(m_preferences.isAlwaysOnTop());
    // Only the user's choice writes the preference; following it back uses setChecked, which
    // does not trigger, so the two never chase each other.
    connect(this, &QAction::triggered, this,
            [this](bool checked) { m_preferences.setAlwaysOnTop(checked); });
    connect(&m_preferences, &Preferences::changed, this, [this](const QString &key) {
        if (key == Preferences::isAlwaysOnTopKey)
            setChecked(m_preferences.isAlwaysOnTop());
    });
}
