#pragma once

#include <QList>
#include <QRect>

#include <memory>
#include <optional>

class QSettings;

// How the user left the main window: its frame (position and size), whether it was maximised, and
// the sidebar's width. It is window state, not a preference: it lives in a file of its own beside
// the preferences ("Pillowrock-state"), in the group [MainWindow].
struct WindowState
{
    QRect frame;
    int sidebarWidth = 0;
    bool maximized = false;
};

class WindowStateStore final
{
public:
    // The state file of the organisation "Vestrandi" beside the preferences.
    WindowStateStore();
    // The given INI file instead; for tests.
    explicit WindowStateStore(const QString &iniFile);
    ~WindowStateStore();

    // Nothing when no state is stored or any of it is not what was written (a corrupt file).
    std::optional<WindowState> read() const;
    void write(const WindowState &state);

private:
    std::unique_ptr<QSettings> m_settings;
};

// Where a window left at the saved frame opens again: at least the minimum size, on the screen it
// overlaps most (the first screen when it overlaps none, say after a monitor was unplugged), no
// larger than that screen unless the minimum is, and moved wholly onto it.
QRect placedFrame(const QRect &saved, const QList<QRect> &screens, const QSize &minimum);
