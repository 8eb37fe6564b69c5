#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// One row of the exported table.
struct MyDataEntry
{
    QString name;
    std::int64_t number = 0;
};

// The table the application exports: four fixed rows, built once on first use.
const QList<MyDataEntry> &sampleEntries();
