#include "AlwaysOnTop.h"

#include "WindowReflection.h"
#include "app/core/Preferences.h"

#include <QWindow>

using namespace Qt::StringLiterals;

void applyAlwaysOnTop(QWidget *window, bool on)
{
    QWindow *handle = window ? window->windowHandle() : nullptr;
    if (!handle)
        return;
    if (on) {
        handle->raise();
        handle->requestActivate();
    }
    handle->setFlag(Qt::WindowStaysOnTopHint, on);
    // The widget keeps its own copy of the flags and would put the old ones back if its native
    // window were ever recreated; tell it without touching the window.
    window->overrideWindowFlags(window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, on));
}

AlwaysOnTop::AlwaysOnTop(Preferences &preferences, QWidget *host)
    : QObject(host)
    , m_reflection(new WindowReflection(host))
{
    setObjectName(u"alwaysOnTop"_s);
    connect(m_reflection, &WindowReflection::captured, this, [&preferences](QWidget *window) {
        applyAlwaysOnTop(window, preferences.isAlwaysOnTop());
    });
    connect(&preferences, &Preferences::alwaysOnTopChanged, this,
            [this](bool on) { applyAlwaysOnTop(m_reflection->hostWindow(), on); });
}

QWidget *AlwaysOnTop::window() const
{
    return m_reflection->hostWindow();
}

AlwaysOnTopCheckbox::AlwaysOnTopCheckbox(const QString &title, Preferences &preferences,
                                         QWidget *parent)
    : QCheckBox(title, parent)
{
    setObjectName(u"alwaysOnTopCheckbox"_s);
    setAccessibleName(title);
    setChecked(preferences.isAlwaysOnTop());
    // Only a click writes; following the preference back does not, so a toggle from the menu
    // costs one write, however many checkboxes show it.
    connect(this, &QCheckBox::clicked, &preferences, &Preferences::setAlwaysOnTop);
    connect(&preferences, &Preferences::alwaysOnTopChanged, this, &QCheckBox::setChecked);
}

AlwaysOnTopCommand::AlwaysOnTopCommand(Preferences &preferences, QObject *parent)
    : QAction(tr("Toggle Always on Top"), parent)
{
    setObjectName(u"alwaysOnTopAction"_s);
    setCheckable(true);
    setChecked(preferences.isAlwaysOnTop());
    // Only the user's choice writes; following the preference back uses setChecked, which does
    // not trigger, so the two never chase each other.
    connect(this, &QAction::triggered, &preferences, &Preferences::setAlwaysOnTop);
    connect(&preferences, &Preferences::alwaysOnTopChanged, this, &QAction::setChecked);
}
