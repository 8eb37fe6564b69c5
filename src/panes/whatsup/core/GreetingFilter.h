#pragma once

#include <QStringList>

// The names the What's Up pane greets, in the order they are shown.
QStringList greetingNames();

// The names that contain searchText, case-sensitively and exactly as typed (no trimming, no
// folding), in their given order; all of them when searchText is empty.
QStringList filteredNames(const QStringList &names, const QString &searchText);
