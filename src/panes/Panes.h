#pragma once

#include "navigation/core/SidebarPane.h"

#include <QList>

class Pane;
class Preferences;

// A pane the sidebar offers: its entry there and how to make it when the entry is selected.
struct PaneRegistration
{
    SidebarEntry entry;
    Pane *(*create)(Preferences &preferences);
};

// Every pane, in the sidebar's order. Adding a pane is its class, its tag in SidebarPane and one
// row in Panes.cpp.
const QList<PaneRegistration> &registeredPanes();
