#include "AboutCommand.h"

#include "AboutWindow.h"
#include "BundleInfo.h"

#include <QAction>

using namespace Qt::StringLiterals;

QString AboutCommand::text(const BundleInfo &bundle)
{
    return tr("About %1").arg(appName(bundle));
}

QAction *AboutCommand::createAction(QObject *parent)
{
    const QString label = text(mainBundle());
    // A name is data: an ampersand in it must not turn into a mnemonic.
    auto *action = new QAction(QString(label).replace(u'&', u"&&"_s), parent);
    action->setObjectName(u"aboutAction"_s);
    action->setMenuRole(QAction::AboutRole);
    QObject::connect(action, &QAction::triggered, action, [] { openAboutWindow(); });
    return action;
}
