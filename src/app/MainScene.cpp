#include "MainScene.h"

#include "MainView.h"

#include "commands/ExportCommands.h"
#include "commands/MyCommands.h"
#include "navigation/Sidebar.h"
#include "window/AlwaysOnTop.h"
#include "window/AlwaysOnTopCommand.h"
#include "windows/AboutCommand.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

using namespace Qt::StringLiterals;

MainScene::MainScene(Preferences &preferences, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
{}

QMainWindow *MainScene::openMainWindow()
{
    auto *window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(u"mainWindow"_s);
    window->setWindowTitle(QGuiApplication::applicationDisplayName());
    auto *view = new MainView(m_preferences);
    window->setCentralWidget(view);
    window->addToolBar(view->toolBar());
    new AlwaysOnTop(m_preferences, window);
    installCommands(window);
    window->resize(760, 480);
    window->show();
    // The keyboard starts on the sidebar's entries: a focused search field would take typing by
    // surprise, and its blinking cursor would keep an idle window waking up.
    view->sidebar()->setFocus();
    return window;
}

// File, View, Window, Commands, Help. There is deliberately no "New" item: the menus never open a
// second main window.
void MainScene::installCommands(QMainWindow *window)
{
    QMenuBar *menuBar = window->menuBar();
    auto *view = window->findChild<MainView *>();

    QMenu *fileMenu = menuBar->addMenu(tr("&File"));
    fileMenu->setObjectName(u"fileMenu"_s);
    fileMenu->addAction((new ExportCommands(window))->exportAction());
    fileMenu->addSeparator();

    auto *settings = new QAction(tr("Settings…"), window);
    settings->setObjectName(u"settingsAction"_s);
    // Most Linux desktops define no standard key for settings; Ctrl+, is the usual one there.
    const QList<QKeySequence> settingsKeys = QKeySequence::keyBindings(QKeySequence::Preferences);
    settings->setShortcuts(settingsKeys.isEmpty() ? QList{QKeySequence(Qt::CTRL | Qt::Key_Comma)}
                                                  : settingsKeys);
    settings->setMenuRole(QAction::PreferencesRole);
    connect(settings, &QAction::triggered, this, &MainScene::settingsRequested);
    fileMenu->addAction(settings);
    fileMenu->addSeparator();

    auto *quit = new QAction(tr("&Quit"), window);
    quit->setObjectName(u"quitAction"_s);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit);
    fileMenu->addAction(quit);

    QMenu *viewMenu = menuBar->addMenu(tr("&View"));
    viewMenu->setObjectName(u"viewMenu"_s);
    viewMenu->addAction(view->toggleSidebarAction());

    QMenu *windowMenu = menuBar->addMenu(tr("&Window"));
    windowMenu->setObjectName(u"windowMenu"_s);
    auto *minimize = new QAction(tr("Minimize"), window);
    minimize->setObjectName(u"minimizeAction"_s);
    minimize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(minimize, &QAction::triggered, window, &QWidget::showMinimized);
    windowMenu->addAction(minimize);
    auto *zoom = new QAction(tr("Zoom"), window);
    zoom->setObjectName(u"zoomAction"_s);
    connect(zoom, &QAction::triggered, window, [window] {
        if (window->isMaximized())
            window->showNormal();
        else
            window->showMaximized();
    });
    windowMenu->addAction(zoom);
    windowMenu->addSeparator();
    windowMenu->addAction(new AlwaysOnTopCommand(m_preferences, window));

    (new MyCommands(window))->addMenuTo(menuBar);

    QMenu *helpMenu = menuBar->addMenu(tr("&Help"));
    helpMenu->setObjectName(u"helpMenu"_s);
    helpMenu->addAction(AboutCommand::createAction(window));

    for (QMenu *menu : menuBar->findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
        menu->setAccessibleName(menu->title().remove(u'&'));
}
