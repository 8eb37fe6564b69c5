#pragma once

#include "navigation/SidebarPane.h"

#include <QPointer>
#include <QToolBar>
#include <QWidget>

class Pane;
class Preferences;
class QAction;
class QSplitter;
class Sidebar;

// The content of a main window: the sidebar column and the detail column side by side, and the
// toolbar the window shows above them.
class MainView final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize minimumContentSize{400, 300};

    explicit MainView(Preferences &preferences, QWidget *parent = nullptr);
    ~MainView() override;

    Sidebar *sidebar() const { return m_sidebar; }
    // Collapses the sidebar column when it is shown and shows it when collapsed; the toolbar
    // button and the View menu share it.
    QAction *toggleSidebarAction() const { return m_toggleSidebar; }
    // For the window to add with QMainWindow::addToolBar, which takes ownership.
    QToolBar *toolBar() const { return m_toolBar; }
    Pane *detail() const { return m_detail; }
    // Replaces what the detail column shows, with its toolbar items and subtitle; the previous
    // pane is deleted.
    void showDetail(Pane *pane);

private:
    Pane *createPane(SidebarPane pane);
    void updateWindowTitle();

    Preferences &m_preferences;
    QSplitter *m_splitter;
    Sidebar *m_sidebar;
    QAction *m_toggleSidebar;
    QPointer<QToolBar> m_toolBar;
    Pane *m_detail = nullptr;
};
