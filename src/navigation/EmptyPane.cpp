#include "EmptyPane.h"

#include <QLabel>

EmptyPane::EmptyPane(QWidget *parent)
    : Pane(new QLabel(tr("No entry selected")), parent)
{
    setObjectName(QStringLiteral("emptyPane"));
    content()->setObjectName(QStringLiteral("emptyPaneText"));
}
