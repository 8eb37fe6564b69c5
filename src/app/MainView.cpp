#include "MainView.h"

#include "navigation/EmptyPane.h"
#include "navigation/Sidebar.h"
#include "navigation/WindowTitle.h"
#include "panes/HelloWorldPane.h"
#include "panes/MoreStuffPane.h"
#include "panes/WhatsUpPane.h"

#include "SymbolIcon.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QSplitter>
#include <QToolBar>

using namespace Qt::StringLiterals;

MainView::MainView(Preferences &preferences, QWidget *parent)
    : QWidget(parent)
    , m_preferences(preferences)
    , m_splitter(new QSplitter(Qt::Horizontal, this))
    , m_sidebar(new Sidebar)
    , m_toggleSidebar(new QAction(symbolIcon(u"sidebar.left"_s), tr("Toggle Sidebar"), this))
    , m_toolBar(new QToolBar(tr("Toolbar")))
{
    setObjectName(u"mainView"_s);
    setMinimumSize(minimumContentSize);

    m_toggleSidebar->setObjectName(u"toggleSidebarAction"_s);
    connect(m_toggleSidebar, &QAction::triggered, this,
            [this] { m_sidebar->setHidden(!m_sidebar->isHidden()); });

    // The pane's items follow the toggle, at the far end.
    m_toolBar->setObjectName(u"mainToolBar"_s);
    m_toolBar->setAccessibleName(tr("Toolbar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->toggleViewAction()->setVisible(false);
    m_toolBar->addAction(m_toggleSidebar);
    if (QWidget *button = m_toolBar->widgetForAction(m_toggleSidebar)) {
        button->setObjectName(u"toggleSidebarButton"_s);
        button->setAccessibleName(m_toggleSidebar->text());
    }
    auto *spacer = new QWidget(m_toolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolBar->addWidget(spacer);

    m_splitter->setObjectName(u"mainSplitter"_s);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_sidebar);
    m_splitter->setStretchFactor(0, 0);
    showDetail(new EmptyPane);
    m_splitter->setSizes({Sidebar::minimumWidth, minimumContentSize.width()});
    connect(m_sidebar, &Sidebar::selectionChanged, this,
            [this](SidebarPane pane) { showDetail(createPane(pane)); });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
}

MainView::~MainView()
{
    // A window that took the toolbar in owns it; otherwise it is still this view's.
    if (m_toolBar && !m_toolBar->parent())
        delete m_toolBar;
}

void MainView::showDetail(Pane *pane)
{
    if (m_detail) {
        m_splitter->replaceWidget(1, pane);
        // Its toolbar items are its children and leave the toolbar with it.
        delete m_detail;
    } else {
        m_splitter->addWidget(pane);
    }
    m_detail = pane;
    m_splitter->setStretchFactor(1, 1);
    for (QAction *action : pane->toolbarActions())
        m_toolBar->addAction(action);
    updateWindowTitle();
}

Pane *MainView::createPane(SidebarPane pane)
{
    switch (pane) {
    case SidebarPane::helloWorld:
        return new HelloWorldPane(m_preferences);
    case SidebarPane::whatsUp:
        return new WhatsUpPane;
    case SidebarPane::moreStuff:
        return new MoreStuffPane;
    }
    Q_UNREACHABLE();
    return nullptr;
}

void MainView::updateWindowTitle()
{
    QWidget *hostWindow = window();
    if (hostWindow == this)
        return;
    hostWindow->setWindowTitle(
        composeWindowTitle(QGuiApplication::applicationDisplayName(), m_detail->subtitle()));
}
