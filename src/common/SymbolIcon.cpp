#include "SymbolIcon.h"

#include "common/core/RunningQt.h"

#include "common/SymbolArt.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPixmapCache>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

class SymbolIconEngine final : public QIconEngine
{
public:
    SymbolIconEngine(QString path, std::shared_ptr<SymbolArt> art)
        : m_path(std::move(path))
        , m_art(std::move(art))
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

    QIconEngine *clone() const override { return new SymbolIconEngine(m_path, m_art); }
    QString key() const override { return u"symbol"_s; }
    // Drawn here, not taken from a theme: a name would send a StatusNotifierItem panel looking for
    // it in its own theme, which shows a missing icon rather than the pixels.
    QString iconName() override { return {}; }

private:
    // Drawn once per size, mode and colour: a list or toolbar repaints its icons on every hover.
    QPixmap rendered(const QSize &pixels, QIcon::Mode mode, qreal scale)
    {
        const QColor colour = tint(mode);
        const QString cacheKey = u"symbol:%1:%2x%3:%4"_s.arg(m_path)
                                     .arg(pixels.width())
                                     .arg(pixels.height())
                                     .arg(colour.rgba());
        QPixmap pixmap;
        if (!QPixmapCache::find(cacheKey, &pixmap)) {
            pixmap = QPixmap::fromImage(m_art->draw(pixels, colour));
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

    QString m_path;
    // Shared by the copies Qt makes of an icon.
    std::shared_ptr<SymbolArt> m_art;
};

QIcon iconFrom(const QString &path)
{
    std::shared_ptr<SymbolArt> art = symbolArt(path);
    return art ? QIcon(new SymbolIconEngine(path, std::move(art))) : QIcon();
}

} // namespace

QIcon symbolIcon(const QString &name)
{
    return iconFrom(u":/icons/"_s + name);
}

QIcon applicationIcon()
{
    // Drawn by the same engine as the symbols: Qt's SVG icon engine is a plugin to load, and it
    // parses the file again for every size that the window manager is given.
    return iconFrom(u":/appicon/app"_s);
}
