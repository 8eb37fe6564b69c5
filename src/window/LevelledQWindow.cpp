#include "LevelledQWindow.h"

#include <QApplication>
#include <QWidget>

namespace {

QWidget *widgetOf(const QWindow *window)
{
    const QList<QWidget *> topLevels = QApplication::topLevelWidgets();
    for (QWidget *widget : topLevels) {
        if (widget->windowHandle() == window)
            return widget;
    }
    return nullptr;
}

} // namespace

LevelledQWindow::LevelledQWindow(QWindow *window)
    : m_window(window)
{}

void LevelledQWindow::raise()
{
    if (m_window)
        m_window->raise();
}

void LevelledQWindow::activate()
{
    if (m_window)
        m_window->requestActivate();
}

void LevelledQWindow::setLevel(Level level)
{
    if (!m_window)
        return;
    const bool onTop = level == Level::Status;
    m_window->setFlag(Qt::WindowStaysOnTopHint, onTop);
    // The widget keeps its own copy of the flags and would put the old ones back if its native
    // window were ever recreated; tell it without touching the window.
    if (QWidget *widget = widgetOf(m_window)) {
        widget->overrideWindowFlags(onTop ? widget->windowFlags() | Qt::WindowStaysOnTopHint
                                          : widget->windowFlags() & ~Qt::WindowStaysOnTopHint);
    }
}
