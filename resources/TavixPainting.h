#pragma once

// Painting of fill styles, text styles and icons, shared by every control. Each routine reads only
// its arguments and the resource manager. The fill routines save and restore the painter; the text
// routine leaves brush, pen and font set (brush only for vertical text).

#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QFont>
#include <QPainterPath>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>

class QBrush;
class QIcon;
class QImage;
class QPainter;
class QPolygon;
class QSvgRenderer;

namespace TavixQtLib {

// The laid-out captions of one control, reused while text, text style (its colour aside), rectangle size,
// font family and paint device stay the same: shaping, eliding and line breaking are most of a caption's
// paint. Holds a few captions (states, tab cells, the switch's two sides); a new one replaces the oldest.
class TAVIXQTLIB_EXPORT TavixTextLayoutCache
{
public:
    TavixTextLayoutCache();
    ~TavixTextLayoutCache();
    TavixTextLayoutCache(const TavixTextLayoutCache &) = delete;
    TavixTextLayoutCache &operator=(const TavixTextLayoutCache &) = delete;

    void clear();
    int size() const;   // captions held

    struct Entry;
    struct Data;

private:
    friend void tavixDrawTextStyle(QPainter *, const QString &, const TextStyleDesc &, const QRect &,
                                   TavixTextLayoutCache *);
    std::unique_ptr<Data> d;    // allocated by the first cached paint
};

TAVIXQTLIB_EXPORT void tavixDrawFillStyle(QPainter *painter, const FillStyle &style, const QRect &rect);
TAVIXQTLIB_EXPORT void tavixDrawFillStyle(QPainter *painter, const FillStyle &style, int x, int y, int w, int h);
TAVIXQTLIB_EXPORT void tavixDrawColorFill(QPainter *painter, const FillRes &res, int x, int y, int w, int h);
TAVIXQTLIB_EXPORT void tavixDrawImageFill(QPainter *painter, const ImageDesc &desc, int x, int y, int w, int h);
TAVIXQTLIB_EXPORT QPainterPath tavixRoundedRectPath(const QRectF &rect, qreal radius, bool topLeft,
                                                    bool topRight, bool bottomRight, bool bottomLeft);
TAVIXQTLIB_EXPORT void tavixDrawTextStyle(QPainter *painter, const QString &text, const TextStyleDesc &style,
                                          const QRect &rect);
// The same pixels, with the layout taken from or put into cache (null: no caching).
TAVIXQTLIB_EXPORT void tavixDrawTextStyle(QPainter *painter, const QString &text, const TextStyleDesc &style,
                                          const QRect &rect, TavixTextLayoutCache *cache);
TAVIXQTLIB_EXPORT void tavixDrawIconImage(QPainter *painter, const QString &path, const IconStyleDesc &icon,
                                          const QRect &rect, bool gray);
TAVIXQTLIB_EXPORT void tavixDrawIconPixmap(QPainter *painter, const QIcon &icon, const QSize &iconSize,
                                           const IconStyleDesc &style, const QRect &rect);
TAVIXQTLIB_EXPORT QFont tavixTextStyleFont(const TextStyleDesc &style);   // the font drawTextStyle uses
TAVIXQTLIB_EXPORT QSize tavixMeasureText(const TextStyleDesc &style, const QString &text);
TAVIXQTLIB_EXPORT QSize tavixImageSize(const QString &path, bool gray);   // invalid when missing
TAVIXQTLIB_EXPORT bool tavixIsSvgPath(const QString &path);
TAVIXQTLIB_EXPORT QSize tavixScaleSize(const QSize &size);

// High-DPI helpers. The ratio is the scale from the painter's logical pixels to device pixels (a
// widget rendered into an image of devicePixelRatio 2, or a screen under QT_SCALE_FACTOR=2), at least
// 1 and at most 8.
TAVIXQTLIB_EXPORT qreal tavixPainterPixelRatio(const QPainter *painter);
// The manager's picture for path at the painter's ratio (a "@2x" variant, a built-in drawn at the ratio).
TAVIXQTLIB_EXPORT const QImage *tavixImageForPainter(const QPainter *painter, const QString &path, bool gray);
// Draws image into target (logical pixels), smoothing when its pixels do not map one to one.
TAVIXQTLIB_EXPORT void tavixDrawImageInto(QPainter *painter, const QRectF &target, const QImage &image);
// The SVG rendered into a transparent image of size logical pixels at ratio, its devicePixelRatio set;
// null when the size is empty or too large for a scratch image.
TAVIXQTLIB_EXPORT QImage tavixRenderSvgImage(QSvgRenderer *renderer, const QSize &size, qreal ratio);
// Fills band (logical pixels) on whole device pixels: its start lands on a device pixel and its thickness
// (the shorter side) becomes whole device pixels, one logical pixel staying one device pixel, so hairlines
// stay crisp at ratios such as 1.25 and 1.5. The same as fillRect at 1:1.
TAVIXQTLIB_EXPORT void tavixFillLine(QPainter *painter, const QRect &band, const QBrush &brush);
// A polyline through the logical pixels points, one device pixel wide at any ratio, each corner on the
// device pixel its logical pixel starts at; aliased, each pixel painted once.
TAVIXQTLIB_EXPORT void tavixDrawHairPolyline(QPainter *painter, const QPolygon &points, const QColor &color);
// The platform style's disabled rendering at the image's own resolution and ratio.
TAVIXQTLIB_EXPORT QImage tavixDisabledImage(const QImage &image);

} // namespace TavixQtLib
