#include "MyCommands.h"

#include "common/core/PrintLine.h"

using namespace Qt::StringLiterals;

MyCommands::MyCommands(QWidget *parent)
    //: Custom actions
    : QMenu(tr("Commands"), parent)
{
    setObjectName(u"commandsMenu"_s);
    setAccessibleName(title());

    // Qt::CTRL is the Command key on macOS.
    //: Build something or whatever.
    QAction *build = addAction(tr("Build"), QKeySequence(Qt::CTRL | Qt::Key_B), this,
                               [] { printLine(u"Build!"_s); });
    build->setObjectName(u"buildAction"_s);
    addSeparator();
    //: Do various types of stuff.
    QAction *doStuff = addAction(tr("Do Stuff"), QKeySequence(Qt::CTRL | Qt::Key_D), this,
                                 [] { printLine(u"Do Stuff!"_s); });
    doStuff->setObjectName(u"doStuffAction"_s);
}
