#include "SidebarFooter.h"

#include "common/Appearance.h"
#include "common/Fonts.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// A neutral grey, lighter than dark text and darker than light text, so one tint suits both.
QColor boxTint()
{
    QColor grey(0x8e, 0x8e, 0x93);
    grey.setAlphaF(0.2f);
    return grey;
}

// Both texts are the palette's text, faded as far as they stay readable on the box.
constexpr qreal titleOpacity = 0.6;
constexpr qreal hintOpacity = 0.4;

QLabel *footerLabel(const QString &text, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

SidebarFooter::SidebarFooter(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"sidebarFooter"_s);
    setFixedHeight(boxHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    m_title = footerLabel(tr("Sidebar Footer"), mediumFont(font()), this);
    m_title->setObjectName(u"sidebarFooterTitle"_s);

    // A footnote is a step or two below the body text.
    const QFont footnoteFont = scaledFont(font(), 0.85);
    m_hint = footerLabel(tr("You could put stuff here."), footnoteFont, this);
    m_hint->setObjectName(u"sidebarFooterHint"_s);
    followPalette();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->addStretch();
    layout->addWidget(m_title);
    layout->addWidget(m_hint);
    layout->addStretch();
}

void SidebarFooter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath box;
    box.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    painter.fillPath(box, boxTint());
}

void SidebarFooter::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        followPalette();
    QWidget::changeEvent(event);
}

void SidebarFooter::followPalette()
{
    // The box is drawn over the column's own colour, so the texts are measured against the two.
    const QColor text = palette().color(QPalette::WindowText);
    const QColor box = Appearance::composite(boxTint(), 1, palette().color(backgroundRole()));
    setTextColour(m_title, Appearance::subduedText(text, titleOpacity, box));
    setTextColour(m_hint, Appearance::subduedText(text, hintOpacity, box));
}
