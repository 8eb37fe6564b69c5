#include "AttributionsView.h"

#include "AppIdentity.h"

#include "common/Fonts.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AttributionsView::AttributionsView(QWidget *parent)
    : QWidget(parent)
{
    auto *title = new QLabel(tr("Attributions"));
    title->setObjectName(u"attributionsTitle"_s);
    title->setFont(titleFont(font()));

    auto *text = new QLabel(tr("Attributions of %1 Created to innovate, Created to life!")
                                .arg(QString::fromUtf8(AppIdentity::copyrightHolder)));
    text->setObjectName(u"attributionsText"_s);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeading | Qt::AlignTop);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *content = new QWidget;
    content->setObjectName(u"attributionsContent"_s);
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(20);
    column->addWidget(title);
    column->addWidget(text);
    column->addStretch();

    // The content follows the width of the view, so it can only ever grow downwards.
    auto *scrollArea = new QScrollArea;
    scrollArea->setObjectName(u"attributionsScrollArea"_s);
    scrollArea->setAccessibleName(tr("Attributions"));
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollArea->setWidgetResizable(true);
    scrollArea->setWidget(content);
    scrollArea->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scrollArea);
}
