#pragma once

#include <QCoreApplication>
#include <QString>

class BundleInfo;
class QAction;
class QObject;

// The application menu's About item. It carries the About role, so that macOS moves it into the
// application menu in place of the standard one.
class AboutCommand final
{
    Q_DECLARE_TR_FUNCTIONS(AboutCommand)

public:
    // "About " followed by the application's name, "About N/A" when it has none.
    static QString text(const BundleInfo &bundle);
    // A new action, owned by the parent, that opens a new About window each time it is chosen.
    static QAction *createAction(QObject *parent);
};
