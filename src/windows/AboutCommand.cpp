#include "AboutCommand.h"

#include "AboutWindow.h"
#include "windows/core/BundleInfo.h"

using namespace Qt::StringLiterals;

AboutCommand::AboutCommand(QObject *parent)
    : AboutCommand(mainBundle(), parent)
{}

AboutCommand::AboutCommand(const BundleInfo &bundle, QObject *parent)
    // A name is data: an ampersand in it must not turn into a mnemonic.
    : QAction(tr("About %1").arg(appName(bundle)).replace(u'&', u"&&"_s), parent)
{
    setObjectName(u"aboutAction"_s);
    setMenuRole(QAction::AboutRole);
    connect(this, &QAction::triggered, this, [] { openAboutWindow(); });
}
