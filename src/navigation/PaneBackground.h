#pragma once

#include <QColor>

#include <optional>

class QPalette;

// The fill behind every pane of the detail column: white in a light appearance, nothing in a dark
// one, so that the window's own background shows through.
class PaneBackground final
{
public:
    static std::optional<QColor> fill(const QPalette &palette);
};
