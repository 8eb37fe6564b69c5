#include "MainView.h"

#include "common/SymbolIcon.h"
#include "navigation/EmptyPane.h"
#include "navigation/Pane.h"
#include "navigation/Sidebar.h"
#include "panes/Panes.h"

#include <QAction>
#include <QHBoxLayout>
#include <QList>
#include <QSplitter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QList<SidebarEntry> sidebarEntries()
{
    QList<SidebarEntry> entries;
    for (const PaneRegistration &pane : registeredPanes())
        entries.append(pane.entry);
    return entries;
}

} // namespace

MainView::MainView(Preferences &preferences, QWidget *parent)
    : QWidget(parent)
    , m_preferences(preferences)
    , m_splitter(new QSplitter(Qt::Horizontal, this))
    , m_sidebar(new Sidebar(sidebarEntries()))
    , m_toggleSidebar(new QAction(symbolIcon(u"sidebar.left"_s), tr("Toggle Sidebar"), this))
{
    setObjectName(u"mainView"_s);
    setMinimumSize(minimumContentSize);

    m_toggleSidebar->setObjectName(u"toggleSidebarAction"_s);
    // No desktop defines a standard key for it; this is the usual one (Control-Command-S on macOS,
    // where Qt::META is Control and Qt::CTRL is Command).
#ifdef Q_OS_MACOS
    m_toggleSidebar->setShortcut(QKeySequence(Qt::META | Qt::CTRL | Qt::Key_S));
#else
    m_toggleSidebar->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
#endif
    connect(m_toggleSidebar, &QAction::triggered, this,
            [this] { m_sidebar->setHidden(!m_sidebar->isHidden()); });

    m_splitter->setObjectName(u"mainSplitter"_s);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_sidebar);
    m_splitter->setStretchFactor(0, 0);
    showDetail(new EmptyPane);
    m_splitter->setSizes({Sidebar::minimumWidth, minimumContentSize.width()});
    m_splitter->handle(1)->setAccessibleName(tr("Sidebar Width"));
    connect(m_sidebar, &Sidebar::selectionChanged, this,
            [this](SidebarPane pane) { showDetail(createPane(pane)); });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
}

QByteArray MainView::saveColumns() const
{
    return m_splitter->saveState();
}

void MainView::restoreColumns(const QByteArray &columns)
{
    m_splitter->restoreState(columns);
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
    emit detailChanged(pane);
}

Pane *MainView::createPane(SidebarPane pane)
{
    const QList<PaneRegistration> &panes = registeredPanes();
    const auto registered = std::find_if(panes.cbegin(), panes.cend(), [pane](const auto &entry) {
        return entry.entry.pane == pane;
    });
    Q_ASSERT(registered != panes.cend());
    return registered->create(m_preferences);
}
