#include "SymbolIcon.h"

#include "common/core/RunningQt.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <memory>
#include <unordered_map>

using namespace Qt::StringLiterals;

namespace {

class SymbolIconEngine final : public QIconEngine
{
public:
    SymbolIconEngine(QString name, QByteArray svg)
        : m_name(std::move(name))
        , m_svg(std::move(svg))
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal scale = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, rendered(rect.size() * scale, mode, scale));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        return rendered(size, mode, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        return rendered(RunningQt::iconEngineSizeInDevicePixels() ? size : size * scale, mode,
                        scale);
    }

    QIconEngine *clone() const override { return new SymbolIconEngine(m_name, m_svg); }
    QString key() const override { return u"symbol"_s; }
    // Drawn here, not taken from a theme: a name would send a StatusNotifierItem panel looking for
    // it in its own theme, which shows a missing icon rather than the pixels.
    QString iconName() override { return {}; }

private:
    // Drawn once per size, mode and colour: a list or toolbar repaints its icons on every hover.
    QPixmap rendered(const QSize &pixels, QIcon::Mode mode, qreal scale)
    {
        const QColor colour = tint(mode);
        const QString cacheKey = u"symbol:%1:%2x%3:%4"_s.arg(m_name)
                                     .arg(pixels.width())
                                     .arg(pixels.height())
                                     .arg(colour.rgba());
        QPixmap pixmap;
        if (!QPixmapCache::find(cacheKey, &pixmap)) {
            pixmap = QPixmap(pixels);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            rendererFor(colour).render(&painter, QRectF(QPointF(), pixels));
            painter.end();
            QPixmapCache::insert(cacheKey, pixmap);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

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

    QString m_name;
    QByteArray m_svg;
    std::unordered_map<QRgb, std::unique_ptr<QSvgRenderer>> m_renderers;
};

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QIcon symbolIcon(const QString &name)
{
    QByteArray svg = contentsOf(u":/icons/"_s + name + u".svg"_s);
    if (svg.isEmpty())
        return {};
    return QIcon(new SymbolIconEngine(name, std::move(svg)));
}

QIcon applicationIcon()
{
    // Drawn by the same engine as the symbols: Qt's SVG icon engine is a plugin to load, and it
    // parses the file again for every size that the window manager is given.
    const QString name = u"app"_s;
    return QIcon(new SymbolIconEngine(name, contentsOf(u":/appicon/"_s + name + u".svg"_s)));
}
