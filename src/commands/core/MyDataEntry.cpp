#include "MyDataEntry.h"

using namespace Qt::StringLiterals;

const QList<MyDataEntry> &sampleEntries()
{
    static const QList<MyDataEntry> entries{
        {u"Ellis Marwood"_s, 99},
        {u"Tobin Harcrow"_s, 66},
        {u"Gavin Oakfield"_s, 21},
        {u"Olen Brisco"_s, 13},
    };
    return entries;
}
