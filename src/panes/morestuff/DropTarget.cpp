#include "DropTarget.h"

#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr qreal cornerRadius = 8;
constexpr qreal borderWidth = 2;
// From the palette, so that the area reads in every appearance: a well sunk in its shadow colour,
// which in a dark appearance deepens the text's contrast rather than thinning it, and a border in
// a tint of the text colour, which shows on the well whatever the appearance.
constexpr float wellOpacity = 0.4f;
constexpr float borderOpacity = 0.4f;

QColor withAlpha(QColor colour, float alpha)
{
    colour.setAlphaF(colour.alphaF() * alpha);
    return colour;
}

// The drop only reads the file's path, so it must never let the source move the file away.
void proposeCopy(QDropEvent *event)
{
    if (event->possibleActions() & Qt::CopyAction)
        event->setDropAction(Qt::CopyAction);
    else if (event->possibleActions() & Qt::LinkAction)
        event->setDropAction(Qt::LinkAction);
    else
        event->setDropAction(event->proposedAction());
}

} // namespace

DropTarget::DropTarget(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"dropTarget"_s);
    setAccessibleName(tr("Drop files here"));
    setFixedSize(fixedSize);
    setAcceptDrops(true);

    auto *label = new QLabel(tr("Drop files here"), this);
    label->setObjectName(u"dropTargetLabel"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label, 0, Qt::AlignCenter);
}

void DropTarget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF area = rect();
    QPainterPath shape;
    shape.addRoundedRect(area, cornerRadius, cornerRadius);
    painter.fillPath(shape, withAlpha(palette().color(QPalette::Shadow), wellOpacity));

    // Stroked half a line in from the edge, so the whole border lies inside the shape.
    const qreal inset = borderWidth / 2;
    QPen pen(withAlpha(palette().color(QPalette::WindowText), borderOpacity), borderWidth,
             Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    // Dash lengths count in line widths: 8 on, 4 off.
    pen.setDashPattern({8 / borderWidth, 4 / borderWidth});
    pen.setMiterLimit(10);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(area.adjusted(inset, inset, -inset, -inset), cornerRadius - inset,
                            cornerRadius - inset);
}

void DropTarget::dragEnterEvent(QDragEnterEvent *event)
{
    if (!carriesFileUrl(event->mimeData()->urls())) {
        event->ignore();
        return;
    }
    proposeCopy(event);
    event->accept();
    emit dropEntered();
}

void DropTarget::dragMoveEvent(QDragMoveEvent *event)
{
    proposeCopy(event);
    event->accept();
}

void DropTarget::dragLeaveEvent(QDragLeaveEvent *)
{
    emit dropExited();
}

void DropTarget::dropEvent(QDropEvent *event)
{
    const FileDrop drop = decideFileDrop(event->mimeData()->urls());
    if (drop.accepted) {
        proposeCopy(event);
        event->accept();
    } else {
        event->ignore();
    }
    emit dropPerformed(drop);
}
