#include "SymbolIcon.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>

#include <memory>
#include <unordered_map>

using namespace Qt::StringLiterals;

namespace {

class SymbolIconEngine final : public QIconEngine
{
public:
    explicit SymbolIconEngine(QByteArray svg)
        : m_svg(std::move(svg))
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        rendererFor(tint(mode)).render(painter, rect);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }

    QIconEngine *clone() const override { return new SymbolIconEngine(m_svg); }
    QString key() const override { return u"symbol"_s; }
    // Drawn here, not taken from a theme: a name would send a StatusNotifierItem panel looking for
    // it in its own theme, which shows a missing icon rather than the pixels.
    QString iconName() override { return {}; }

private:
    static QColor tint(QIcon::Mode mode)
    {
        const QPalette palette = QGuiApplication::palette();
        const QPalette::ColorGroup group =
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
        return palette.color(group, mode == QIcon::Selected ? QPalette::HighlightedText
                                                            : QPalette::WindowText);
    }

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

QIcon symbolIcon(const QString &name)
{
    QFile file(u":/icons/"_s + name + u".svg"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QIcon(new SymbolIconEngine(file.readAll()));
}
