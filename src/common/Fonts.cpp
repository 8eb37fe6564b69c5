#include "Fonts.h"

QFont scaledFont(QFont font, qreal factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(qRound(font.pixelSize() * factor));
    return font;
}

QFont titleFont(const QFont &body)
{
    QFont title = scaledFont(body, 22.0 / 13.0);
    title.setBold(true);
    return title;
}
