#include "AlwaysOnTop.h"

#include "WindowReflection.h"
#include "app/core/Preferences.h"
#include "common/Platform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

// Disables a control that cannot work here and says why; nothing changes where it can.
template<typename Control>
void explainIfUnavailable(Control *control)
{
    if (Platform::canKeepWindowsOnTop())
        return;
    control->setEnabled(false);
    control->setToolTip(alwaysOnTopUnavailableReason());
}

} // namespace

QString alwaysOnTopUnavailableReason()
{
    return QCoreApplication::translate("AlwaysOnTop",
                                       "On Wayland the compositor decides which windows stay on "
                                       "top, so %1 cannot keep its window above others here.")
        .arg(QGuiApplication::applicationDisplayName());
}

void applyAlwaysOnTop(QWidget *window, bool on)
{
    QWindow *handle = window ? window->windowHandle() : nullptr;
    if (!handle || !Platform::canKeepWindowsOnTop())
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
    explainIfUnavailable(this);
    if (!isEnabled())
        setAccessibleDescription(toolTip());
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
    explainIfUnavailable(this);
}
