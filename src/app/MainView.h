#pragma once

#include <QWidget>

class Preferences;
class QAction;
class QSplitter;

// The content of a main window: the sidebar column and the detail column side by side.
class MainView final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize minimumContentSize{400, 300};

    explicit MainView(Preferences &preferences, QWidget *parent = nullptr);

    QWidget *sidebarColumn() const;
    // Collapses the sidebar column when it is shown and shows it when collapsed; the toolbar
    // button and the View menu share it.
    QAction *toggleSidebarAction() const { return m_toggleSidebar; }
    QWidget *detail() const { return m_detail; }
    // Replaces what the detail column shows; the previous pane is deleted.
    void showDetail(QWidget *pane);

private:
    QSplitter *m_splitter;
    QAction *m_toggleSidebar;
    QWidget *m_detail = nullptr;
};
