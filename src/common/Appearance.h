#pragma once

#include <QColor>

class QPalette;

namespace Appearance {

// Whether the given palette belongs to a dark appearance: its text is lighter than its window.
bool isDark(const QPalette &palette);

// What text needs against what is behind it to be read (WCAG's level AA for body text).
inline constexpr qreal minimumTextContrast = 4.5;

// How far apart two opaque colours are to the eye, from 1 (the same) to 21 (black on white), as
// WCAG measures it.
qreal contrast(const QColor &a, const QColor &b);

// The colour laid at the given opacity onto an opaque background: the opaque colour one sees.
QColor composite(const QColor &colour, qreal opacity, const QColor &background);

// Text faded to the given opacity over the background, where that still reads; otherwise as little
// more opaque as keeps it readable once drawn. Opaque.
QColor subduedText(const QColor &text, qreal opacity, const QColor &background);

} // namespace Appearance
