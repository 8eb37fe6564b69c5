#pragma once

#include <QFrame>

// What a left click on the tray icon opens: a line about the application and an About button.
// It closes when the user clicks elsewhere or presses Escape, and is deleted then.
class MenuBarPopup final : public QFrame
{
    Q_OBJECT

public:
    static constexpr QSize contentSize{200, 200};

    explicit MenuBarPopup(QWidget *parent = nullptr);
};
