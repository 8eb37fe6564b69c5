#include "AboutWindow.h"

#include "AboutView.h"
#include "AuxiliaryWindow.h"
#include "BundleInfo.h"

#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AboutWindow::AboutWindow(const BundleInfo &bundle, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(u"aboutWindow"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("About Pillowrock"));
    AuxiliaryWindow::useControlBackground(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new AboutView(AboutView::Content::fromBundle(bundle)));
    setFixedSize(AboutView::contentSize);
    AuxiliaryWindow::centre(this);
}

AboutWindow *openAboutWindow()
{
    auto *window = new AboutWindow(mainBundle());
    AuxiliaryWindow::present(window);
    return window;
}
