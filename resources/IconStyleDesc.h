#pragma once

#include <QColor>

namespace TavixQtLib {

// Placement and colouring of an icon inside a rectangle.
struct IconStyleDesc
{
    int offsetX = 0;            // added to the aligned position
    int offsetY = 0;
    bool useColor = false;      // recolour SVG icons with color
    QColor color = QColor(0, 0, 0);
    int horAlign = 1;           // 0 left, 1 centre, 2 right
    int verAlign = 1;           // 0 top, 1 centre, 2 bottom
};

} // namespace TavixQtLib
