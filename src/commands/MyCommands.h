#pragma once

#include <QMenu>

// The application's own menu, "Commands": "Build" and "Do Stuff", each of which reports itself
// with one line on standard output.
class MyCommands final : public QMenu
{
    Q_OBJECT

public:
    explicit MyCommands(QWidget *parent = nullptr);
};
