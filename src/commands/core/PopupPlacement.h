#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a popup of the given size opens for an anchor (a tray icon) on a screen's available area:
// below the anchor when it fits there, else above it, left edges aligned, and always inside the
// area as far as the popup's size allows.
QPoint popupPosition(const QRect &anchor, const QSize &size, const QRect &available);
