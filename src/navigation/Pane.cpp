#include "Pane.h"

#include "PaneBackground.h"

#include <QEvent>
#include <QGridLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QWidgetAction>

Pane::Pane(QWidget *content, QWidget *parent)
    : QWidget(parent)
    , m_content(content)
{
    auto *layout = new QGridLayout(this);
    layout->addWidget(content, 0, 0, Qt::AlignCenter);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void Pane::paintEvent(QPaintEvent *event)
{
    if (const auto fill = PaneBackground::fill(palette())) {
        QPainter painter(this);
        painter.fillRect(event->rect(), *fill);
    }
}

void Pane::changeEvent(QEvent *event)
{
    // The appearance can switch while the pane is shown; the fill follows it at once.
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::ThemeChange:
    case QEvent::StyleChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

QAction *Pane::addToolbarItem(QWidget *item)
{
    auto *action = new QWidgetAction(this);
    action->setDefaultWidget(item);
    m_toolbarActions.append(action);
    return action;
}
