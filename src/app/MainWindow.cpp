#include "MainWindow.h"

#include "MainView.h"
#include "commands/EditCommands.h"
#include "commands/ExportCommands.h"
#include "commands/MyCommands.h"
#include "common/Platform.h"
#include "common/core/RunningQt.h"
#include "common/core/SettingsValue.h"
#include "navigation/Pane.h"
#include "window/AlwaysOnTop.h"
#include "windows/AboutCommand.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QToolBar>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString geometryKey = u"MainWindow/geometry"_s;
const QString columnsKey = u"MainWindow/columns"_s;

// Where the user left the window is state, not a choice made in Settings: it lives in a file of
// its own beside the preferences, so that resetting one leaves the other.
QSettings windowStateFile()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope,
                     QCoreApplication::organizationName(),
                     QCoreApplication::applicationName() + u"-state"_s);
}

} // namespace

MainWindow::MainWindow(Preferences &preferences, QWidget *parent)
    : QMainWindow(parent)
    , m_view(new MainView(preferences))
    , m_toolBar(new QToolBar(tr("Toolbar"), this))
{
    setObjectName(u"mainWindow"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(m_view);

    // The toggle first; the pane's items follow it at the far end.
    m_toolBar->setObjectName(u"mainToolBar"_s);
    m_toolBar->setAccessibleName(tr("Toolbar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->toggleViewAction()->setVisible(false);
    QAction *toggleSidebar = m_view->toggleSidebarAction();
    m_toolBar->addAction(toggleSidebar);
    if (QWidget *button = m_toolBar->widgetForAction(toggleSidebar)) {
        button->setObjectName(u"toggleSidebarButton"_s);
        button->setAccessibleName(toggleSidebar->text());
    }
    auto *spacer = new QWidget(m_toolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolBar->addWidget(spacer);
    addToolBar(m_toolBar);

    new AlwaysOnTop(preferences, this);
    installCommands(preferences);
    showPaneChrome(m_view->detail());
    connect(m_view, &MainView::detailChanged, this, &MainWindow::showPaneChrome);
    resize(defaultSize);
    restoreWindowState();
    // Quitting (the Quit command, a signal) ends the event loop without closing the window.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::saveWindowState);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveWindowState();
    QMainWindow::closeEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // A widget that takes Tab as text (an editor) passes Ctrl+Tab on; here it moves the focus as
    // Tab does elsewhere, the way out of an editor that desktops agree on.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && event->modifiers().testFlag(Qt::ControlModifier)) {
        focusNextPrevChild(event->key() == Qt::Key_Tab &&
                           !event->modifiers().testFlag(Qt::ShiftModifier));
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::restoreWindowState()
{
    // Qt brings a frame left on a screen that is gone back onto one, and keeps the default size
    // for data it cannot read; before Qt 6.8 it does not shrink a frame that a smaller screen
    // cannot hold.
    QSettings state = windowStateFile();
    dropUnreadableValues(state);
    if (restoreGeometry(settingsValue(state, geometryKey).toByteArray()) &&
        !RunningQt::restoreGeometryFitsScreen()) {
        const QRect room = Platform::screenAt(geometry().center())->availableGeometry();
        QRect frame = geometry();
        frame.setSize(frame.size().boundedTo(room.size()));
        frame.moveTo(std::clamp(frame.x(), room.left(), room.right() + 1 - frame.width()),
                     std::clamp(frame.y(), room.top(), room.bottom() + 1 - frame.height()));
        setGeometry(frame);
    }
    m_view->restoreColumns(settingsValue(state, columnsKey).toByteArray());
}

void MainWindow::saveWindowState()
{
    QSettings state = windowStateFile();
    state.setValue(geometryKey, saveGeometry());
    state.setValue(columnsKey, m_view->saveColumns());
}

// File, Edit, View, Window, Commands, Help. There is deliberately no "New" item: the menus never
// open a second main window.
void MainWindow::installCommands(Preferences &preferences)
{
    QMenu *fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(u"fileMenu"_s);
    fileMenu->addAction((new ExportCommands(this))->exportAction());
    fileMenu->addSeparator();
    QAction *settings = fileMenu->addAction(tr("Settings…"), this, &MainWindow::settingsRequested);
    settings->setObjectName(u"settingsAction"_s);
    // Most Linux desktops define no standard key for settings; Ctrl+, is the usual one there.
    const QList<QKeySequence> settingsKeys = QKeySequence::keyBindings(QKeySequence::Preferences);
    settings->setShortcuts(settingsKeys.isEmpty() ? QList{QKeySequence(Qt::CTRL | Qt::Key_Comma)}
                                                  : settingsKeys);
    settings->setMenuRole(QAction::PreferencesRole);
    fileMenu->addSeparator();
    QAction *quit =
        fileMenu->addAction(tr("&Quit"), QKeySequence::Quit, qApp, &QCoreApplication::quit);
    quit->setObjectName(u"quitAction"_s);
    quit->setMenuRole(QAction::QuitRole);

    QMenu *editMenu = menuBar()->addMenu(tr("&Edit"));
    editMenu->setObjectName(u"editMenu"_s);
    new EditCommands(editMenu);

    QMenu *viewMenu = menuBar()->addMenu(tr("&View"));
    viewMenu->setObjectName(u"viewMenu"_s);
    viewMenu->addAction(m_view->toggleSidebarAction());

    QMenu *windowMenu = menuBar()->addMenu(tr("&Window"));
    windowMenu->setObjectName(u"windowMenu"_s);
    QAction *minimize = windowMenu->addAction(tr("Minimize"), QKeySequence(Qt::CTRL | Qt::Key_M),
                                              this, &QWidget::showMinimized);
    minimize->setObjectName(u"minimizeAction"_s);
    QAction *zoom = windowMenu->addAction(tr("Zoom"), this, [this] {
        if (isMaximized())
            showNormal();
        else
            showMaximized();
    });
    zoom->setObjectName(u"zoomAction"_s);
    windowMenu->addSeparator();
    windowMenu->addAction(new AlwaysOnTopCommand(preferences, this));
    windowMenu->setToolTipsVisible(true); // says why a disabled item cannot work here

    menuBar()->addMenu(new MyCommands(menuBar()));

    QMenu *helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->setObjectName(u"helpMenu"_s);
    helpMenu->addAction(new AboutCommand(this));

    menuBar()->setAccessibleName(tr("Menu Bar"));
    for (QMenu *menu : menuBar()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
        menu->setAccessibleName(menu->title().remove(u'&'));
}

void MainWindow::showPaneChrome(Pane *pane)
{
    // A pane that changes its subtitle or items while shown (an editor naming its document) says
    // so; the connection ends with the pane.
    connect(pane, &Pane::chromeChanged, this, [this, pane] { followPaneChrome(pane); });
    followPaneChrome(pane);
}

void MainWindow::followPaneChrome(Pane *pane)
{
    // Put back only when they changed: taking a field out of the toolbar takes its focus.
    const QList<QAction *> actions = pane->toolbarActions();
    if (!std::equal(actions.cbegin(), actions.cend(), m_paneActions.cbegin(),
                    m_paneActions.cend())) {
        for (QAction *action : std::as_const(m_paneActions)) {
            if (action)
                m_toolBar->removeAction(action);
        }
        m_paneActions.clear();
        for (QAction *action : actions) {
            m_toolBar->addAction(action);
            m_paneActions.append(action);
            // Qt leaves a toolbar's buttons out of the Tab chain; a pane's may have no other key.
            if (QWidget *button = m_toolBar->widgetForAction(action))
                button->setFocusPolicy(Qt::TabFocus);
        }
    }
    // On Linux Qt adds " — " and the application's name to the title bar; without a subtitle the
    // name alone is the title, also for window managers that read the plain ICCCM name.
    const QString subtitle = pane->subtitle();
    setWindowTitle(subtitle.isEmpty() ? QGuiApplication::applicationDisplayName() : subtitle);
}
