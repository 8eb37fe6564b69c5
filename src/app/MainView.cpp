#include "MainView.h"

#include "navigation/EmptyPane.h"

#include "SymbolIcon.h"

#include <QAction>
#include <QHBoxLayout>
#include <QSplitter>

MainView::MainView(Preferences &preferences, QWidget *parent)
    : QWidget(parent)
    , m_splitter(new QSplitter(Qt::Horizontal, this))
    , m_toggleSidebar(
          new QAction(symbolIcon(QStringLiteral("sidebar.left")), tr("Toggle Sidebar"), this))
{
    Q_UNUSED(preferences);
    setObjectName(QStringLiteral("mainView"));
    setMinimumSize(minimumContentSize);

    auto *column = new QWidget;
    column->setObjectName(QStringLiteral("sidebarColumn"));
    column->setMinimumWidth(180);
    column->setMaximumWidth(300);
    m_splitter->addWidget(column);
    m_splitter->setCollapsible(0, false);
    m_splitter->setStretchFactor(0, 0);

    showDetail(new EmptyPane);

    m_toggleSidebar->setObjectName(QStringLiteral("toggleSidebarAction"));
    connect(m_toggleSidebar, &QAction::triggered, this, [this] {
        QWidget *sidebar = sidebarColumn();
        sidebar->setVisible(!sidebar->isVisible());
    });

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
