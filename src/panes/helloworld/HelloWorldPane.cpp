#include "HelloWorldPane.h"

#include "window/AlwaysOnTop.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QWidget *helloWorldContent(Preferences &preferences)
{
    auto *content = new QWidget;
    auto *greeting = new QLabel(HelloWorldPane::tr("Hello, World!"), content);
    greeting->setObjectName(u"helloWorldGreeting"_s);
    auto *checkbox =
        new AlwaysOnTopCheckbox(HelloWorldPane::tr("Always on top"), preferences, content);

    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(20);
    layout->addWidget(greeting, 0, Qt::AlignHCenter);
    layout->addWidget(checkbox, 0, Qt::AlignHCenter);
    return content;
}

} // namespace

HelloWorldPane::HelloWorldPane(Preferences &preferences, QWidget *parent)
    : Pane(helloWorldContent(preferences), parent)
{
    setObjectName(u"helloWorldPane"_s);
    setSubtitle(tr("Hello, World!"));
}
