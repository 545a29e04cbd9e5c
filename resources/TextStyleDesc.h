#pragma once

#include "tavixqtlib_export.h"

#include <QColor>
#include <QString>

namespace TavixQtLib {

// Family used by text styles that name none; the global font family replaces it at paint time.
TAVIXQTLIB_EXPORT QString tavixDefaultFontFamily();

// A named way to draw a string.
struct TAVIXQTLIB_EXPORT TextStyleDesc
{
    bool isTextStyle = true;
    QString name;
    bool bold = false;
    bool italic = false;
    bool reserved0 = false;
    int size = 12;              // pixel size
    bool underline = false;
    bool reserved1 = false;
    QString family = tavixDefaultFontFamily();
    QColor color = QColor(0, 0, 0);
    int x = 0;                  // offset of the text area
    int y = 0;
    bool isHor = true;          // false: turned by 90 degrees
    bool singleline = true;
    int hor = 0;                // 0 left, 1 centre, 2 right
    int ver = 1;                // 0 top, 1 centre, 2 bottom
    int elideMode = 1;          // 0 left, 1 right, 2 middle, 3 none (wrap)

    bool operator==(const TextStyleDesc &other) const;
    bool operator!=(const TextStyleDesc &other) const { return !(*this == other); }
};

} // namespace TavixQtLib
