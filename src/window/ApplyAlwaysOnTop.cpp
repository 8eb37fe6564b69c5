#include "ApplyAlwaysOnTop.h"

#include "LevelledWindow.h"

void applyAlwaysOnTop(LevelledWindow *window, bool on)
{
    if (!window)
        return;
    if (on) {
        window->raise();
        window->activate();
        window->setLevel(LevelledWindow::Level::Status);
    } else {
        window->setLevel(LevelledWindow::Level::Normal);
    }
}
