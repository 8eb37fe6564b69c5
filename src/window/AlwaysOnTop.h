#pragma once

#include <QAction>
#include <QCheckBox>
#include <QObject>

class Preferences;
class WindowReflection;

// Puts a top-level window at the level the always-on-top choice asks for. Switching on brings the
// window to the front and gives it the keyboard before lifting it; switching off only lowers the
// level and leaves its place and focus alone. The level is set every time, even when it is
// already right, because something outside the application may have changed it. A window without
// a native window yet is left alone.
//
// The level is the stays-on-top hint set on the QWindow itself: QWidget::setWindowFlags would
// recreate the native window and hide it. On X11 the hint becomes _NET_WM_STATE_ABOVE.
void applyAlwaysOnTop(QWidget *window, bool on);

// Where the window system cannot keep windows on top (Platform::canKeepWindowsOnTop), the controls
// are disabled, applyAlwaysOnTop does nothing and the stored choice waits for a session that can
// honour it. Why the controls are disabled, in one sentence for a tooltip and an accessible
// description.
QString alwaysOnTopUnavailableReason();

// Keeps one main window at the level the always-on-top preference asks for. It follows the window
// it is installed in, applies the stored choice each time that window is shown or gets a native
// window, however late, and every change of the choice, whichever control made it, to the window
// known then. Changes before the window is known are not queued: the value current when it is
// shown is what counts.
class AlwaysOnTop final : public QObject
{
    Q_OBJECT

public:
    // Installs itself into host's window; host owns it.
    AlwaysOnTop(Preferences &preferences, QWidget *host);

private:
    WindowReflection *m_reflection;
};

// A checkbox bound both ways to the always-on-top preference: clicking it stores the new value,
// and a change made anywhere else shows in it at once.
class AlwaysOnTopCheckbox final : public QCheckBox
{
    Q_OBJECT

public:
    AlwaysOnTopCheckbox(const QString &title, Preferences &preferences, QWidget *parent = nullptr);
};

// The Window menu's "Toggle Always on Top": a check item that shows the always-on-top preference
// and flips it, following changes made by any other control at once.
class AlwaysOnTopCommand final : public QAction
{
    Q_OBJECT

public:
    AlwaysOnTopCommand(Preferences &preferences, QObject *parent);
};
