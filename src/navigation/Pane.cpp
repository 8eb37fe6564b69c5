#include "Pane.h"

#include "common/Appearance.h"

#include <QEvent>
#include <QGridLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QWidgetAction>

PaneBackground::PaneBackground(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("paneBackground"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PaneBackground::paintEvent(QPaintEvent *event)
{
    if (Appearance::isDark(palette()))
        return;
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
}

void PaneBackground::changeEvent(QEvent *event)
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

Pane::Pane(QWidget *content, QWidget *parent)
    : Pane(content, Layout::centred, parent)
{}

Pane::Pane(QWidget *content, Layout layout, QWidget *parent)
    : QWidget(parent)
    , m_content(content)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    // Both in the one cell: the background fills it, the content lies in front.
    grid->addWidget(new PaneBackground(this), 0, 0);
    grid->addWidget(content, 0, 0, layout == Layout::centred ? Qt::AlignCenter : Qt::Alignment());
    content->raise();
}

void Pane::setSubtitle(const QString &subtitle)
{
    if (subtitle == m_subtitle)
        return;
    m_subtitle = subtitle;
    emit chromeChanged();
}

void Pane::addToolbarAction(QAction *action)
{
    if (!action->parent())
        action->setParent(this);
    m_toolbarActions.append(action);
    emit chromeChanged();
}

QList<QAction *> Pane::toolbarActions() const
{
    QList<QAction *> actions;
    for (QAction *action : m_toolbarActions) {
        if (action)
            actions.append(action);
    }
    return actions;
}

void Pane::addToolbarItem(QWidget *item)
{
    auto *action = new QWidgetAction(this);
    action->setDefaultWidget(item);
    addToolbarAction(action);
}
