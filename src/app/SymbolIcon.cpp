#include "SymbolIcon.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>

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
        QSvgRenderer renderer(tinted(mode));
        renderer.setAspectRatioMode(Qt::KeepAspectRatio);
        renderer.render(painter, rect);
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

    QIconEngine *clone() const override { return new SymbolIconEngine(m_name, m_svg); }
    QString key() const override { return u"pillowrock-symbol"_s; }
    QString iconName() override { return m_name; }

private:
    QByteArray tinted(QIcon::Mode mode) const
    {
        const QPalette palette = QGuiApplication::palette();
        const QPalette::ColorGroup group =
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
        const QColor colour = palette.color(
            group, mode == QIcon::Selected ? QPalette::HighlightedText : QPalette::WindowText);
        QByteArray svg = m_svg;
        return svg.replace("currentColor", colour.name(QColor::HexRgb).toLatin1());
    }

    QString m_name;
    QByteArray m_svg;
};

} // namespace

QIcon symbolIcon(const QString &name)
{
    QFile file(u":/icons/"_s + name + u".svg"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QIcon(new SymbolIconEngine(name, file.readAll()));
}
