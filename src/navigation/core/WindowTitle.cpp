#include "WindowTitle.h"

using namespace Qt::StringLiterals;

QString composeWindowTitle(const QString &appName, const QString &subtitle)
{
    if (subtitle.isEmpty())
        return appName;
    return subtitle + u" \u2014 "_s + appName;
}
