#include "SettingsWindow.h"

#include "AuxiliaryWindow.h"
#include "GeneralSettingsTab.h"
#include "app/SymbolIcon.h"

#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SettingsWindow::SettingsWindow(Preferences &preferences, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_tabs(new QTabWidget)
    , m_general(new GeneralSettingsTab(preferences))
{
    setObjectName(u"settingsWindow"_s);
    setAttribute(Qt::WA_DeleteOnClose);

    // The tabs sit above the content like a toolbar; each page is the fixed content size.
    m_tabs->setObjectName(u"settingsTabs"_s);
    m_tabs->setAccessibleName(tr("Settings"));
    m_tabs->setDocumentMode(true);
    m_general->setFixedSize(contentSize);
    m_tabs->addTab(m_general, symbolIcon(u"gearshape.fill"_s), tr("Vestrandi Settings"));
    setWindowTitle(m_tabs->tabText(m_tabs->currentIndex()));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    AuxiliaryWindow::centre(this);
}
