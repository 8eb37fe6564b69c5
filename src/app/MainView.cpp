#include "MainView.h"

#include "navigation/EmptyPane.h"

#include <QHBoxLayout>
#include <QSplitter>

MainView::MainView(Preferences &preferences, QWidget *parent)
    : QWidget(parent)
    , m_splitter(new QSplitter(Qt::Horizontal, this))
{
    Q_UNUSED(preferences);
    setObjectName(QStringLiteral("mainView"));
    setMinimumSize(minimumContentSize);

    auto *sidebarColumn = new QWidget;
    sidebarColumn->setObjectName(QStringLiteral("sidebarColumn"));
    sidebarColumn->setMinimumWidth(180);
    sidebarColumn->setMaximumWidth(300);
    m_splitter->addWidget(sidebarColumn);
    m_splitter->setCollapsible(0, false);
    m_splitter->setStretchFactor(0, 0);

    showDetail(new EmptyPane);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
}

QWidget *MainView::sidebarColumn() const
{
    return m_splitter->widget(0);
}

void MainView::showDetail(QWidget *pane)
{
    if (m_detail) {
        m_splitter->replaceWidget(1, pane);
        delete m_detail;
    } else {
        m_splitter->addWidget(pane);
    }
    m_detail = pane;
    m_splitter->setCollapsible(1, false);
    m_splitter->setStretchFactor(1, 1);
}
