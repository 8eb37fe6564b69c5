#include "MyCommands.h"

#include "app/PrintLine.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

MyCommands::MyCommands(QObject *parent)
    : QObject(parent)
    //: Build something or whatever.
    , m_build(new QAction(tr("Build"), this))
    //: Do various types of stuff.
    , m_doStuff(new QAction(tr("Do Stuff"), this))
{
    setObjectName(u"myCommands"_s);

    // Qt::CTRL is the Command key on macOS.
    m_build->setObjectName(u"buildAction"_s);
    m_build->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(m_build, &QAction::triggered, this, [] { printLine(u"Build!"_s); });

    m_doStuff->setObjectName(u"doStuffAction"_s);
    m_doStuff->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(m_doStuff, &QAction::triggered, this, [] { printLine(u"Do Stuff!"_s); });
}

QMenu *MyCommands::addMenuTo(QMenuBar *menuBar) const
{
    //: Custom actions
    QMenu *menu = menuBar->addMenu(tr("Commands"));
    menu->setObjectName(u"commandsMenu"_s);
    menu->setAccessibleName(menu->title());
    menu->addAction(m_build);
    menu->addSeparator();
    menu->addAction(m_doStuff);
    return menu;
}
