#include "AboutWindow.h"

#include "AboutView.h"
#include "windows/core/BundleInfo.h"

#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AboutWindow::AboutWindow(const BundleInfo &bundle, QWidget *parent)
    : AuxiliaryWindow(QPalette::Base,
                      Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint,
                      parent)
{
    setObjectName(u"aboutWindow"_s);
    setWindowTitle(tr("About %1").arg(appName(bundle)));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new AboutView(AboutView::Content::fromBundle(bundle)));
    setFixedSize(AboutView::contentSize);
    centreOnScreen();
}

AboutWindow *openAboutWindow()
{
    auto *window = new AboutWindow(mainBundle());
    window->present();
    return window;
}
