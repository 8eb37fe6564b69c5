#pragma once

#include <QFont>

// The font a step larger or smaller than the given one, whether it is sized in points or pixels.
QFont scaledFont(QFont font, qreal factor);
// The large bold face of a window's headline, derived from the body font.
QFont titleFont(const QFont &body);
// The body font in its medium weight; the body font itself where its family has no face nearer to
// that weight than the body's own, which Qt would draw for it there.
QFont mediumFont(const QFont &body);
