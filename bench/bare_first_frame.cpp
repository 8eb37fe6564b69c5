// The yardstick: the least a Qt Widgets application can do, one label in a 400x300 window.
#include "FirstFrameProbe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    const FirstFrameProbe::Mode mode = firstFrameModeFromArguments(argc, argv);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    FirstFrameProbe probe(mode);
    QLabel label(QStringLiteral("No entry selected"));
    label.setAlignment(Qt::AlignCenter);
    label.resize(400, 300);
    label.show();
    return QApplication::exec();
}
