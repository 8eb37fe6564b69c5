#include "GreetingFilter.h"

using namespace Qt::StringLiterals;

QStringList greetingNames()
{
    return {u"Holly"_s, u"Josh"_s, u"Rhonda"_s, u"Ted"_s};
}

QStringList filteredNames(const QStringList &names, const QString &searchText)
{
    if (searchText.isEmpty())
        return names;
    return names.filter(searchText, Qt::CaseSensitive);
}
