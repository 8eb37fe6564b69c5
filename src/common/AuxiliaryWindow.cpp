#include "AuxiliaryWindow.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

AuxiliaryWindow::AuxiliaryWindow(QPalette::ColorRole background, Qt::WindowFlags flags,
                                 QWidget *parent)
    : QWidget(parent, Qt::Window | flags)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setBackgroundRole(background);
    setAutoFillBackground(true);
}

void AuxiliaryWindow::present()
{
    // A window shown for the first time opens in front; it only needs the keyboard.
    show();
    activateWindow();
}

void AuxiliaryWindow::centreOnScreen()
{
    QScreen *screen = screenAt(QCursor::pos());
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

QScreen *screenAt(const QPoint &point)
{
    QScreen *screen = QGuiApplication::screenAt(point);
    return screen ? screen : QGuiApplication::primaryScreen();
}
