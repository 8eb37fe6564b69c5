#pragma once

class LevelledWindow;

// Puts a window at the level the always-on-top choice asks for. Switching on brings the window to
// the front and gives it the keyboard before lifting it; switching off only lowers the level and
// leaves its place and focus alone. The level is set every time, even when it is already right,
// because something outside the application may have changed it. Without a window nothing happens.
void applyAlwaysOnTop(LevelledWindow *window, bool on);
