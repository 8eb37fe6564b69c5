#include "SettingsWindow.h"

#include "AppIdentity.h"

#include "GeneralSettingsTab.h"
#include "common/SymbolIcon.h"

#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SettingsWindow::SettingsWindow(Preferences &preferences, QWidget *parent)
    // The window colour, not the fields' own: a field's frame is drawn from it and would vanish in
    // a dark appearance.
    : AuxiliaryWindow(QPalette::Window,
                      Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint,
                      parent)
{
    setObjectName(u"settingsWindow"_s);

    // The tabs sit above the content like a toolbar; each page is the fixed content size.
    auto *tabs = new QTabWidget;
    tabs->setObjectName(u"settingsTabs"_s);
    tabs->setAccessibleName(tr("Settings"));
    tabs->setDocumentMode(true);
    auto *general = new GeneralSettingsTab(preferences);
    general->setFixedSize(contentSize);
    tabs->addTab(general, symbolIcon(u"gearshape.fill"_s),
                 tr("%1 Settings").arg(QString::fromUtf8(AppIdentity::organization)));
    setWindowTitle(tabs->tabText(tabs->currentIndex()));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen();
}
