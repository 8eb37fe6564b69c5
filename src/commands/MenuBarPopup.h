#pragma once

#include <QFrame>

// What a left click on the tray icon opens: a line about the application and an About button.
// It closes as a menu does, on a click elsewhere, on Escape or when its About is chosen, and is
// deleted then.
class MenuBarPopup final : public QFrame
{
    Q_OBJECT

public:
    static constexpr QSize contentSize{200, 200};

    explicit MenuBarPopup(QWidget *parent = nullptr);

    // Shows the popup below the anchor (the tray icon's area, or the pointer's position) where
    // the window system lets the application place it.
    void popUp(const QRect &anchor);

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
