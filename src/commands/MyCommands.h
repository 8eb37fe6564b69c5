#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

// The application's own menu, "Commands": "Build" and "Do Stuff", each of which reports itself
// with one line on standard output.
class MyCommands final : public QObject
{
    Q_OBJECT

public:
    explicit MyCommands(QObject *parent);

    // Adds the "Commands" menu at the end of menuBar.
    QMenu *addMenuTo(QMenuBar *menuBar) const;

private:
    QAction *m_build;
    QAction *m_doStuff;
};
