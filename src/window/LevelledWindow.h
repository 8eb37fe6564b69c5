#pragma once

// What the always-on-top rule needs of a window, so that the rule can be exercised without one.
class LevelledWindow
{
public:
    enum class Level {
        Normal,
        // Above the windows of every other application, like a status or panel window.
        Status,
    };

    virtual ~LevelledWindow() = default;

    // Brings the window in front of the application's other windows.
    virtual void raise() = 0;
    // Makes it the window that receives the keyboard.
    virtual void activate() = 0;
    virtual void setLevel(Level level) = 0;

protected:
    LevelledWindow() = default;
    LevelledWindow(const LevelledWindow &) = default;
    LevelledWindow &operator=(const LevelledWindow &) = default;
};
