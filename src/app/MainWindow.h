#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

class MainView;
class Pane;
class Preferences;
class QAction;
class QToolBar;

// A main window: the menu bar with the application's commands, the toolbar and the title, over
// the main view. The shown pane adds its toolbar items and its subtitle while it is shown. Every
// main window keeps its own level in line with the always-on-top preference.
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr QSize defaultSize{760, 480};

    explicit MainWindow(Preferences &preferences, QWidget *parent = nullptr);

    MainView *view() const { return m_view; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

signals:
    // The Settings item was chosen; the scene keeps the one Settings window.
    void settingsRequested();

private:
    void installCommands(Preferences &preferences);
    void showPaneChrome(Pane *pane);
    void followPaneChrome(Pane *pane);
    void restoreWindowState();
    void saveWindowState();

    MainView *m_view;
    QToolBar *m_toolBar;
    // The shown pane's, which leave the toolbar with it even when it does not own them.
    QList<QPointer<QAction>> m_paneActions;
};
