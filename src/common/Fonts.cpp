#include "Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <cstdlib>

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

QFont mediumFont(const QFont &body)
{
    QFont medium = body;
    medium.setWeight(QFont::Medium);
    // A family without a face of that weight is drawn in its nearest face. Where that is the
    // body's own, the body font draws the same text without a font engine of its own for the
    // medium weight, whose font match costs start-up a few milliseconds.
    const QString family = QFontInfo(body).family();
    const int distance = std::abs(body.weight() - QFont::Medium);
    bool hasBodyFace = false;
    for (const QString &style : QFontDatabase::styles(family)) {
        const int weight = QFontDatabase::weight(family, style);
        if (weight == body.weight())
            hasBodyFace = true;
        else if (std::abs(weight - QFont::Medium) <= distance)
            return medium;
    }
    return hasBodyFace ? body : medium;
}
