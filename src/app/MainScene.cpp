#include "MainScene.h"

#include "MainView.h"
#include "MainWindow.h"
#include "navigation/Sidebar.h"
#include "windows/AboutWindow.h"
#include "windows/SettingsWindow.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

MainScene::MainScene(Preferences &preferences, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
{}

// A window still open at the end (closing the main window ends the application) goes with it.
MainScene::~MainScene()
{
    delete m_settingsWindow;
}

MainWindow *MainScene::openMainWindow()
{
    auto *window = new MainWindow(m_preferences);
    connect(window, &MainWindow::settingsRequested, this, &MainScene::openSettingsWindow);
    window->show();
    m_mainWindow = window;
    // The keyboard starts on the sidebar's entries: a focused search field would take typing by
    // surprise, and its blinking cursor would keep an idle window waking up.
    window->view()->sidebar()->setFocus();
    return window;
}

void MainScene::activateMainWindow()
{
    if (!m_mainWindow)
        return;
    if (m_mainWindow->isMinimized())
        m_mainWindow->showNormal();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

void MainScene::activateAction(const QString &name)
{
    if (name == "about"_L1)
        openAboutWindow();
    else if (name == "settings"_L1)
        openSettingsWindow();
    else if (name == "quit"_L1)
        QCoreApplication::quit();
}

SettingsWindow *MainScene::openSettingsWindow()
{
    if (!m_settingsWindow)
        m_settingsWindow = new SettingsWindow(m_preferences);
    if (m_settingsWindow->isMinimized())
        m_settingsWindow->showNormal();
    m_settingsWindow->show();
    m_settingsWindow->raise();
    m_settingsWindow->activateWindow();
    return m_settingsWindow;
}
