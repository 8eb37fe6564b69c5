#include "MoreStuffPane.h"

#include "DropTarget.h"
#include "common/core/PrintLine.h"

using namespace Qt::StringLiterals;

namespace {

DropTarget *reportingDropTarget()
{
    auto *target = new DropTarget;
    QObject::connect(target, &DropTarget::dropEntered, target,
                     [] { printLine(u"Drop entered!"_s); });
    QObject::connect(target, &DropTarget::dropExited, target, [] { printLine(u"Drop exited!"_s); });
    QObject::connect(target, &DropTarget::dropPerformed, target, [](const FileDrop &drop) {
        if (drop.line)
            printLine(*drop.line);
    });
    return target;
}

} // namespace

MoreStuffPane::MoreStuffPane(QWidget *parent)
    : Pane(reportingDropTarget(), parent)
{
    setObjectName(u"moreStuffPane"_s);
}
