#pragma once

#include "navigation/Pane.h"
#include "navigation/core/SidebarPane.h"

#include <QWidget>

class Preferences;
class QAction;
class QSplitter;
class Sidebar;

// The content of a main window: the sidebar column and the detail column side by side. The detail
// column shows the empty pane until the sidebar selects a pane, then a new pane for each choice.
class MainView final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize minimumContentSize{400, 300};

    explicit MainView(Preferences &preferences, QWidget *parent = nullptr);

    Sidebar *sidebar() const { return m_sidebar; }
    Pane *detail() const { return m_detail; }
    // Collapses the sidebar column when it is shown and shows it when collapsed; the toolbar
    // button and the View menu share it.
    QAction *toggleSidebarAction() const { return m_toggleSidebar; }
    // The columns' widths as the user left them, for the next launch.
    QByteArray saveColumns() const;
    void restoreColumns(const QByteArray &columns);
    // Shows a pane in the detail column in place of the one shown, and deletes that one: the
    // sidebar's choice, or one the app opens itself (a document). The view owns the pane.
    void showDetail(Pane *pane);

signals:
    // The detail column shows another pane; the previous one is deleted.
    void detailChanged(Pane *pane);

private:
    Pane *createPane(SidebarPane pane);

    Preferences &m_preferences;
    QSplitter *m_splitter;
    Sidebar *m_sidebar;
    QAction *m_toggleSidebar;
    Pane *m_detail = nullptr;
};
