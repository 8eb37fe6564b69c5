#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

// What a symbol is drawn from: its SVG, through QtSvg, or, where Qt has no QtSvg, pictures of it
// made at build time. The build takes one of the two (cmake/Symbols.cmake).
class SymbolArt
{
public:
    virtual ~SymbolArt() = default;

    // The symbol at exactly this many pixels; a symbol drawn in currentColor in the given tint,
    // one of fixed colours as it is.
    virtual QImage draw(const QSize &pixels, const QColor &tint) = 0;
};

// The art embedded under the resource path (":/icons/trash", ":/appicon/app"), or null when
// there is none.
std::unique_ptr<SymbolArt> symbolArt(const QString &path);
