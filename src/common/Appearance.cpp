#include "Appearance.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace Appearance {

bool isDark(const QPalette &palette)
{
    // The palette, not QStyleHints::colorScheme: the colours drawn are the palette's, and a
    // platform theme may report a scheme its palette does not follow (Qt 6.8's GTK theme reports
    // Light for a dark GTK theme when the desktop states no preference).
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    return window.lightness() < text.lightness();
}

// Qt has no measure of contrast, and WCAG's formula is a few lines: no library is worth it here.
namespace {

qreal linear(float channel)
{
    return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

qreal relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

} // namespace

qreal contrast(const QColor &a, const QColor &b)
{
    const qreal first = relativeLuminance(a), second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor composite(const QColor &colour, qreal opacity, const QColor &background)
{
    const qreal alpha = colour.alphaF() * opacity;
    const auto mix = [alpha](float over, float under) {
        return alpha * over + (1 - alpha) * under;
    };
    const QColor top = colour.toRgb(), bottom = background.toRgb();
    return QColor::fromRgbF(mix(top.redF(), bottom.redF()), mix(top.greenF(), bottom.greenF()),
                            mix(top.blueF(), bottom.blueF()));
}

QColor subduedText(const QColor &text, qreal opacity, const QColor &background)
{
    // Antialiasing blends the thin strokes of small text with the background, so faded text aims a
    // little above the minimum for its drawn pixels to reach it.
    constexpr qreal target = minimumTextContrast * 1.1;
    // In steps of one 8-bit level, so that the colour drawn is the colour measured.
    for (int alpha = qRound(opacity * 255); alpha < 255; ++alpha) {
        const QColor faded = QColor(composite(text, alpha / 255.0, background).rgb());
        if (contrast(faded, background) >= target)
            return faded;
    }
    return QColor(composite(text, 1, background).rgb());
}

} // namespace Appearance
