#include "AuxiliaryWindow.h"

#include "Platform.h"

#include <QAccessibleWidget>
#include <QCursor>
#include <QScreen>

namespace {

// Qt presents a plain top-level widget to assistive technology as a filler, which screen readers do
// not announce as a window. A dialog they would, but a dialog also presses its default button on
// Return. So these windows say what they are: a window, named by its title.
QAccessibleInterface *accessibleWindow(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(AuxiliaryWindow::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

AuxiliaryWindow::AuxiliaryWindow(QPalette::ColorRole background, Qt::WindowFlags flags,
                                 QWidget *parent)
    : QWidget(parent, Qt::Window | flags)
{
    // Before anything asks for this window's interface, which Qt then keeps.
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(accessibleWindow), true);
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
    QScreen *screen = Platform::screenAt(QCursor::pos());
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}
