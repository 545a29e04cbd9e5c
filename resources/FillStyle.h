#pragma once

#include "tavixqtlib_export.h"

#include <QColor>
#include <QString>

namespace TavixQtLib {

// Colour part of a fill style: what drawColorFill paints.
struct TAVIXQTLIB_EXPORT FillRes
{
    unsigned char reserved0 = 0;
    QString reserved1;
    QColor color = QColor(255, 255, 255);
    QColor gradientColor = QColor(255, 255, 255);
    QColor borderColor = QColor(128, 128, 128);
    bool gradient = false;
    int round = 0;          // corner radius in pixels; 0 = square corners
    int borderSize = 0;
    int reserved2 = 0;
    bool border = false;
    bool leftBorder = true;
    bool topBorder = true;
    bool rightBorder = true;
    bool bottomBorder = true;
    bool roundTopLeft = true;
    bool roundTopRight = true;
    bool roundBottomRight = true;
    bool roundBottomLeft = true;

    bool operator==(const FillRes &other) const;
    bool operator!=(const FillRes &other) const { return !(*this == other); }
};

// Image part of a fill style: what drawImageFill paints as a nine-slice.
struct TAVIXQTLIB_EXPORT ImageDesc
{
    QString img;            // name or path for the resource manager's getImage
    int marginLeft = 0;     // nine-slice border widths in image pixels
    int marginRight = 0;
    int marginTop = 0;
    int marginBottom = 0;
    bool repeatLeft = false;
    bool repeatRight = false;
    bool repeatTop = false;
    bool repeatBottom = false;
    bool repeatCenter = false;  // the only repeat flag that changes painting

    bool operator==(const ImageDesc &other) const;
    bool operator!=(const ImageDesc &other) const { return !(*this == other); }
};

// A named way to fill a rectangle: colour mode (FillRes) or image mode (ImageDesc).
struct TAVIXQTLIB_EXPORT FillStyle : FillRes, ImageDesc
{
    bool isTextStyle = false;
    QString name;
    bool valid = true;      // false: nothing is painted
    bool drawColor = true;  // true: colour and border; false: the image
    bool reserved3 = true;

    bool operator==(const FillStyle &other) const;
    bool operator!=(const FillStyle &other) const { return !(*this == other); }
};

} // namespace TavixQtLib
