#pragma once

class QWidget;

// What the auxiliary windows (About, Attributions, Settings) share in how they are shown.
namespace AuxiliaryWindow {

// Paints the window in the colour of a control's background (white in a light appearance).
void useControlBackground(QWidget *window);
// Moves the window to the middle of the screen the user works on: the one under the pointer.
void centre(QWidget *window);
// Shows a new window and gives it the keyboard.
void present(QWidget *window);

} // namespace AuxiliaryWindow
