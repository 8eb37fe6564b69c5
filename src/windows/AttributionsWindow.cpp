#include "AttributionsWindow.h"

#include "AttributionsView.h"
#include "AuxiliaryWindow.h"

#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AttributionsWindow::AttributionsWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(u"attributionsWindow"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Attributions"));
    AuxiliaryWindow::useControlBackground(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new AttributionsView);
    setMinimumSize(AttributionsView::minimumContentSize);
    resize(AttributionsView::minimumContentSize);
    AuxiliaryWindow::centre(this);
}

AttributionsWindow *openAttributionsWindow()
{
    auto *window = new AttributionsWindow;
    AuxiliaryWindow::present(window);
    return window;
}
