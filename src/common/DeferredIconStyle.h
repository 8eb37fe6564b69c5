#pragma once

#include <QProxyStyle>

// The platform's style, except that the icon of the toolbar's and the menu bar's overflow button
// is asked of it when the button is first drawn rather than when the bar is made. The button shows
// only when a window is too narrow for its bar, which the main window's minimum width prevents; and
// the style reads the icon from PNG files through QImageReader, which loads every image-format
// plugin to ask each whether it reads PNG.
class DeferredIconStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
