#include "SidebarFooter.h"

#include "common/Fonts.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel *footerLabel(const QString &text, const QFont &font, QColor colour, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

SidebarFooter::SidebarFooter(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"sidebarFooter"_s);
    setFixedHeight(boxHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    QFont titleFont = font();
    titleFont.setWeight(QFont::Medium);
    QColor white(Qt::white);
    white.setAlphaF(0.6f);
    auto *title = footerLabel(tr("Sidebar Footer"), titleFont, white, this);
    title->setObjectName(u"sidebarFooterTitle"_s);

    // A footnote is a step or two below the body text.
    const QFont footnoteFont = scaledFont(font(), 0.85);
    QColor black(Qt::black);
    black.setAlphaF(0.4f);
    auto *hint = footerLabel(tr("You could put stuff here."), footnoteFont, black, this);
    hint->setObjectName(u"sidebarFooterHint"_s);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->addStretch();
    layout->addWidget(title);
    layout->addWidget(hint);
    layout->addStretch();
}

void SidebarFooter::paintEvent(QPaintEvent *)
{
    QColor grey(0x8e, 0x8e, 0x93);
    grey.setAlphaF(0.2f);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath box;
    box.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    painter.fillPath(box, grey);
}
