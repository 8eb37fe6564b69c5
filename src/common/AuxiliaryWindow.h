#pragma once

#include <QWidget>

// What the About, Attributions and Settings windows share: a top-level window filled with the
// palette colour given, deleted when closed, opened in the middle of the screen the user works on,
// and known to assistive technology as a window named by its title.
class AuxiliaryWindow : public QWidget
{
    Q_OBJECT

public:
    // Shows the window and gives it the keyboard.
    void present();

protected:
    AuxiliaryWindow(QPalette::ColorRole background, Qt::WindowFlags flags, QWidget *parent);

    // Moves the window to the middle of the screen under the pointer; call once it has its size.
    void centreOnScreen();
};
