#include "DeferredIconStyle.h"

#include "common/core/RunningQt.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// Stands for one of the style's icons, which it fetches the first time it is drawn or measured.
class DeferredIconEngine final : public QIconEngine
{
public:
    DeferredIconEngine(const QStyle *style, QStyle::StandardPixmap which,
                       Qt::LayoutDirection direction)
        : m_style(style)
        , m_which(which)
        , m_direction(direction)
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        const QSize logical = RunningQt::iconEngineSizeInDevicePixels() ? size / scale : size;
        return icon().pixmap(logical, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override
    {
        auto *copy = new DeferredIconEngine(m_style, m_which, m_direction);
        copy->m_icon = m_icon;
        copy->m_fetched = m_fetched;
        return copy;
    }
    QString key() const override { return u"deferred"_s; }

private:
    const QIcon &icon()
    {
        if (!m_fetched && m_style) {
            QStyleOption option;
            option.direction = m_direction;
            m_icon = m_style->standardIcon(m_which, &option);
            m_fetched = true;
        }
        return m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    Qt::LayoutDirection m_direction;
    QIcon m_icon;
    bool m_fetched = false;
};

} // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                      const QWidget *widget) const
{
    if (standardIcon != SP_ToolBarHorizontalExtensionButton &&
        standardIcon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    const Qt::LayoutDirection direction =
        option ? option->direction
               : (widget ? widget->layoutDirection() : QGuiApplication::layoutDirection());
    return QIcon(new DeferredIconEngine(baseStyle(), standardIcon, direction));
}
