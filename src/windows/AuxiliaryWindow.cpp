#include "AuxiliaryWindow.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace AuxiliaryWindow {

void useControlBackground(QWidget *window)
{
    window->setBackgroundRole(QPalette::Base);
    window->setAutoFillBackground(true);
}

void centre(QWidget *window)
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void present(QWidget *window)
{
    // A window shown for the first time opens in front; it only needs the keyboard.
    window->show();
    window->activateWindow();
}

} // namespace AuxiliaryWindow
