#include "MoreStuffPane.h"

#include "DropTarget.h"
#include "FileDrop.h"
#include "app/PrintLine.h"

using namespace Qt::StringLiterals;

MoreStuffPane::MoreStuffPane(QWidget *parent)
    : Pane(new DropTarget, parent)
{
    setObjectName(u"moreStuffPane"_s);
    static_cast<DropTarget *>(content())->setDelegate(this);
}

void MoreStuffPane::dropEntered()
{
    printLine(u"Drop entered!"_s);
}

void MoreStuffPane::dropExited()
{
    printLine(u"Drop exited!"_s);
}

bool MoreStuffPane::performDrop(const QList<QUrl> &urls)
{
    const FileDrop drop = decideFileDrop(urls);
    if (drop.line)
        printLine(*drop.line);
    return drop.accepted;
}
