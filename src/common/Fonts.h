#pragma once

#include <QFont>

// The font a step larger or smaller than the given one, whether it is sized in points or pixels.
QFont scaledFont(QFont font, qreal factor);
// The large bold face of a window's headline, derived from the body font.
QFont titleFont(const QFont &body);
