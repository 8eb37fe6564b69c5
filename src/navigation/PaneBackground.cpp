#include "PaneBackground.h"

#include "app/Appearance.h"

std::optional<QColor> PaneBackground::fill(const QPalette &palette)
{
    if (Appearance::isDark(palette))
        return std::nullopt;
    return QColor(Qt::white);
}
