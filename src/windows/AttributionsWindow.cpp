#include "AttributionsWindow.h"

#include "AttributionsView.h"

#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AttributionsWindow::AttributionsWindow(QWidget *parent)
    : AuxiliaryWindow(QPalette::Base, Qt::WindowStaysOnTopHint, parent)
{
    setObjectName(u"attributionsWindow"_s);
    setWindowTitle(tr("Attributions"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new AttributionsView);
    setMinimumSize(AttributionsView::minimumContentSize);
    resize(AttributionsView::minimumContentSize);
    centreOnScreen();
}

AttributionsWindow *openAttributionsWindow()
{
    auto *window = new AttributionsWindow;
    window->present();
    return window;
}
