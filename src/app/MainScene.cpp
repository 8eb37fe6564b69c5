#include "MainScene.h"

#include "MainView.h"

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
    installCommands(window);
    window->resize(760, 480);
    window->show();
    return window;
}

void MainScene::installCommands(QMainWindow *window)
{
    QMenu *fileMenu = window->menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(u"fileMenu"_s);

    auto *quit = new QAction(tr("&Quit"), window);
    quit->setObjectName(u"quitAction"_s);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit);
    fileMenu->addAction(quit);
}
