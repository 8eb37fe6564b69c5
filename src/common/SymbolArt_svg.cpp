#include "SymbolArt.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <unordered_map>

using namespace Qt::StringLiterals;

namespace {

class SvgArt final : public SymbolArt
{
public:
    explicit SvgArt(QByteArray svg)
        : m_svg(std::move(svg))
    {}

    QImage draw(const QSize &pixels, const QColor &tint) override
    {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        rendererFor(tint).render(&painter, QRectF(QPointF(), pixels));
        return image;
    }

private:
    // Parsing the SVG is the expensive part of drawing it; it is done again only when the tint
    // changes (a new appearance, or another mode).
    QSvgRenderer &rendererFor(const QColor &tint)
    {
        auto found = m_renderers.find(tint.rgba());
        if (found == m_renderers.end()) {
            QByteArray svg = m_svg;
            svg.replace("currentColor", tint.name(QColor::HexRgb).toLatin1());
            found = m_renderers.emplace(tint.rgba(), std::make_unique<QSvgRenderer>(svg)).first;
            found->second->setAspectRatioMode(Qt::KeepAspectRatio);
        }
        return *found->second;
    }

    QByteArray m_svg;
    std::unordered_map<QRgb, std::unique_ptr<QSvgRenderer>> m_renderers;
};

} // namespace

std::unique_ptr<SymbolArt> symbolArt(const QString &path)
{
    QFile file(path + u".svg"_s);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    return std::make_unique<SvgArt>(file.readAll());
}
