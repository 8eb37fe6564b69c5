#pragma once

#include "MyDataEntry.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The exported document: a table written as UTF-8 tab-separated text with the header row
// "Name", "Number" and one line per entry, every line ending in a line feed. Numbers are plain
// decimals. A tab, carriage return or line feed inside a name would break its row, so those three
// are written as the escapes \t, \r and \n, and a backslash as \\, so that every escape can be
// undone; everything else is written as it is. A lone surrogate, which has no UTF-8 form, is
// written as U+FFFD.
class MyExportDocument final
{
public:
    MyExportDocument() = default;
    explicit MyExportDocument(QList<MyDataEntry> entries);

    // The MIME types the document is written as: tab-separated text alone.
    static const QStringList &writableContentTypes();

    // The file's bytes, built in one pass into one buffer reserved for the largest possible size.
    QByteArray serialize() const;

private:
    QList<MyDataEntry> m_entries;
};
