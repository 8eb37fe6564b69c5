#pragma once

#include <QIcon>
#include <QString>

// The icon for a symbol name ("trash", "sidebar.left", ...) from the embedded SVG of that name.
// Outline symbols are drawn in the current palette's text colour at paint time, so they stay
// legible when the appearance switches between light and dark; fixed-colour symbols keep theirs.
// A name without an SVG gives a null icon.
QIcon symbolIcon(const QString &name);

// The application's icon, drawn from its SVG at whatever size is asked for.
QIcon applicationIcon();
