#include "PopupPlacement.h"

#include <algorithm>

QPoint popupPosition(const QRect &anchor, const QSize &size, const QRect &available)
{
    const bool fitsBelow = anchor.bottom() + 1 + size.height() <= available.bottom() + 1;
    int y = fitsBelow ? anchor.bottom() + 1 : anchor.top() - size.height();
    int x = anchor.left();
    // Pulled back inside from the right and bottom first, so the left and top edges win when the
    // popup is larger than the area.
    x = std::max(std::min(x, available.right() + 1 - size.width()), available.left());
    y = std::max(std::min(y, available.bottom() + 1 - size.height()), available.top());
    return {x, y};
}
