#include "Appearance.h"

#include <QGuiApplication>
#include <QPalette>
#include <QStyleHints>

namespace Appearance {

bool isDark(const QPalette &palette)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (QGuiApplication::palette() == palette) {
        switch (QGuiApplication::styleHints()->colorScheme()) {
        case Qt::ColorScheme::Dark:
            return true;
        case Qt::ColorScheme::Light:
            return false;
        case Qt::ColorScheme::Unknown:
            break;
        }
    }
#endif
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    return window.lightness() < text.lightness();
}

} // namespace Appearance
