#include "resources/TavixPainting.h"

#include "resources/TavixQResourceManager.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPixmapCache>
#include <QPolygon>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QTextLayout>
#include <QTextOption>
#include <QThread>
#include <QtMath>
#include <QTransform>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

namespace TavixQtLib {

namespace {

// Scratch images (vertical text, tinted or greyed SVGs, icon pixmaps) beyond this are not allocated:
// such sizes only come from corrupt styles or documents, and a repaint must not claim gigabytes.
constexpr qint64 kMaxScratchSide = 16384;
constexpr qint64 kMaxScratchPixels = qint64(4096) * 4096;
constexpr int kMinTextureSide = 256;

bool fitsInt(qint64 v)
{
    return v >= INT_MIN && v <= INT_MAX;
}

bool scratchSizeOk(qint64 w, qint64 h)
{
    return w > 0 && h > 0 && w <= kMaxScratchSide && h <= kMaxScratchSide && w * h <= kMaxScratchPixels;
}

// A rectangle in 64-bit arithmetic, so sums of untrusted margins and sizes cannot overflow.
struct Rect64
{
    qint64 x, y, w, h;

    bool isValid() const { return w > 0 && h > 0; }
    bool fitsInt() const
    {
        return TavixQtLib::fitsInt(x) && TavixQtLib::fitsInt(y) && TavixQtLib::fitsInt(w)
                && TavixQtLib::fitsInt(h) && TavixQtLib::fitsInt(x + w) && TavixQtLib::fitsInt(y + h);
    }
    QRect toRect() const { return QRect(int(x), int(y), int(w), int(h)); }
};

// The picture a nine-slice fill draws from: geometry (margins, sizes) in the 1x image's pixels, pixels
// from a high-DPI variant when the painter's ratio calls for one.
struct SlicedImage
{
    const QImage &pixels;
    qint64 iw, ih;      // the 1x size the margins refer to
    qreal sx, sy;       // pixels per 1x pixel

    QRectF map(const Rect64 &r) const { return QRectF(r.x * sx, r.y * sy, r.w * sx, r.h * sy); }
};

// Stretches one nine-slice piece; a source outside the image would read past its pixels, so it is skipped.
void drawPiece(QPainter *painter, const SlicedImage &image, const Rect64 &target, const Rect64 &source)
{
    if (!target.isValid() || !source.isValid() || !target.fitsInt())
        return;
    if (source.x < 0 || source.y < 0 || source.x + source.w > image.iw || source.y + source.h > image.ih)
        return;
    if (image.sx == 1 && image.sy == 1)
        painter->drawImage(target.toRect(), image.pixels, source.toRect());
    else
        painter->drawImage(QRectF(target.toRect()), image.pixels, image.map(source));
}

// The tile as a premultiplied texture, repeated along its rows to about kMinTextureSide pixels (never
// beyond the target's width): the raster engine blends premultiplied pixels fastest and copies each row
// in segments of the texture's width, so a 1 pixel wide tile would otherwise cost a call per pixel.
// The repeated pattern is the same one.
QImage tileTexture(const QImage &image, const QRect &source, const QRect &target)
{
    // Beyond the target's size a tile never shows, so a large picture is not copied whole on every paint.
    const QRect used(source.topLeft(), source.size().boundedTo(target.size()));
    const QImage tile = (used == image.rect() ? image : image.copy(used))
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (tile.isNull() || tile.width() >= kMinTextureSide)
        return tile;
    const int wanted = std::min(kMinTextureSide, target.width());
    const int w = tile.width() * ((wanted + tile.width() - 1) / tile.width());
    if (w == tile.width())
        return tile;
    QImage texture(w, tile.height(), QImage::Format_ARGB32_Premultiplied);
    if (texture.isNull())
        return tile;
    const size_t tileRow = size_t(tile.width()) * 4, row = size_t(w) * 4;
    for (int y = 0; y < tile.height(); ++y) {
        uchar *line = texture.scanLine(y);
        // One tile row, then doubling what is already there.
        std::memcpy(line, tile.constScanLine(y), tileRow);
        for (size_t filled = tileRow; filled < row;) {
            const size_t chunk = std::min(filled, row - filled);
            std::memcpy(line + filled, line, chunk);
            filled += chunk;
        }
    }
    return texture;
}

// Tiles the whole of source, unscaled, over target, row by row from target's top-left, as one textured
// fill: the paint engine only visits the device pixels the target covers, whatever the tile size and
// the painter's transform.
void tileCentre(QPainter *painter, const SlicedImage &image, const QRect &target, const QRect &source)
{
    // A high-DPI variant tiles its own pixels, scaled back so that one tile still covers source's 1x size.
    const QRect pixelSource = image.map({source.x(), source.y(), source.width(), source.height()}).toRect();
    const QSize pixelTarget(qCeil(target.width() * image.sx), qCeil(target.height() * image.sy));
    QImage tile = tileTexture(image.pixels, pixelSource, QRect(target.topLeft(), pixelTarget));
    if (tile.isNull())
        return;
    tile.setDevicePixelRatio(1);
    QBrush texture(tile);
    QTransform transform = QTransform::fromTranslate(target.x(), target.y());
    if (image.sx != 1 || image.sy != 1)
        transform = QTransform::fromScale(1 / image.sx, 1 / image.sy) * transform;
    texture.setTransform(transform);
    painter->fillRect(target, texture);
}

Qt::Alignment textAlignment(int hor, int ver)
{
    Qt::Alignment align;
    switch (hor) {
    case 0: align |= Qt::AlignLeft; break;
    case 1: align |= Qt::AlignHCenter; break;
    case 2: align |= Qt::AlignRight; break;
    default: break;
    }
    switch (ver) {
    case 0: align |= Qt::AlignTop; break;
    case 1: align |= Qt::AlignVCenter; break;
    case 2: align |= Qt::AlignBottom; break;
    default: break;
    }
    return align;
}

// Start of an extent of size placed in [start, start + extent): 0 start, 1 centre, 2 end; other values pin to 0.
qint64 alignedPos(qint64 start, qint64 extent, qint64 size, int align)
{
    switch (align) {
    case 0: return start;
    case 1: return start + (extent - size) / 2;
    case 2: return start + extent - size;
    default: return 0;
    }
}

// Top-left of an icon of the given size inside rect, offsets applied; false when it leaves the int range.
bool iconPosition(const IconStyleDesc &icon, const QRect &rect, const QSize &size, QPoint &out)
{
    const qint64 px = alignedPos(rect.x(), rect.width(), size.width(), icon.horAlign) + icon.offsetX;
    const qint64 py = alignedPos(rect.y(), rect.height(), size.height(), icon.verAlign) + icon.offsetY;
    if (!fitsInt(px) || !fitsInt(py))
        return false;
    out = QPoint(int(px), int(py));
    return true;
}

// Device pixel geometry of a painter on a pixel device whose device transform only scales and translates
// (a widget on a high-DPI screen, an image with a device pixel ratio). Not active at 1:1 on whole pixels,
// where logical and device pixels are the same, nor under rotation or shear, where no grid lines up.
class DeviceGrid
{
public:
    explicit DeviceGrid(const QPainter *painter)
    {
        if (!painter || !painter->isActive())
            return;
        // Only pixel devices: a printer or PDF scales to dots far finer than a screen pixel, where a line
        // one dot wide would all but vanish.
        const QPaintEngine *engine = painter->paintEngine();
        if (!engine || (engine->type() != QPaintEngine::Raster && engine->type() != QPaintEngine::OpenGL2))
            return;
        t = painter->deviceTransform();
        const bool scales = t.type() <= QTransform::TxScale && t.m11() > 0 && t.m22() > 0;
        const bool identity = t.m11() == 1 && t.m22() == 1 && t.dx() == std::floor(t.dx())
                              && t.dy() == std::floor(t.dy());
        active = scales && !identity && std::isfinite(t.m11()) && std::isfinite(t.m22());
    }
    bool isActive() const { return active; }
    // The device pixel edge nearest the logical coordinate, halves rounding up as Qt rounds a widget's clip
    // at such an offset; both sides of a shared edge get the same one.
    int x(qreal v) const { return snap(v * t.m11() + t.dx()); }
    int y(qreal v) const { return snap(v * t.m22() + t.dy()); }
    QRect map(qreal left, qreal top, qreal width, qreal height) const
    {
        const int l = x(left), tp = y(top);
        return QRect(l, tp, std::max(x(left + width) - l, 0), std::max(y(top + height) - tp, 0));
    }
    // A line of thickness logical pixels across, in whole device pixels: one stays one device pixel
    // (a hairline), thicker ones keep their size; never wider than the room there is.
    static int thickness(int logical, qreal scale, int room)
    {
        const int pixels = logical <= 1 ? 1 : std::max(1, qRound(logical * scale));
        return std::min(pixels, std::max(room, 0));
    }
    qreal scaleX() const { return t.m11(); }
    qreal scaleY() const { return t.m22(); }
    // Makes painter's coordinates device pixels (until the caller restores it).
    void paintInDevicePixels(QPainter *painter) const
    {
        painter->setWorldTransform(t.inverted() * painter->worldTransform());
    }

private:
    static int snap(qreal v)
    {
        const qreal bound = qreal(INT_MAX / 2);
        return int(std::floor(std::max(-bound, std::min(bound, v)) + 0.5 + 1e-6));
    }

    QTransform t;
    bool active = false;
};

// Fills the sides of device rectangle r that res borders, n pixels thick across (nx for left and
// right, ny for top and bottom), without overlapping at the corners: a translucent border is blended once.
void fillBorderBands(QPainter *painter, const FillRes &res, const QRect &r, int nx, int ny)
{
    const QBrush brush(res.borderColor);
    const int top = res.topBorder ? ny : 0, bottom = res.bottomBorder ? ny : 0;
    if (res.topBorder)
        painter->fillRect(QRect(r.left(), r.top(), r.width(), ny), brush);
    if (res.bottomBorder && r.height() > top)
        painter->fillRect(QRect(r.left(), r.top() + r.height() - std::min(ny, r.height() - top), r.width(),
                                std::min(ny, r.height() - top)), brush);
    const int sideHeight = r.height() - top - bottom;
    if (sideHeight <= 0)
        return;
    if (res.leftBorder)
        painter->fillRect(QRect(r.left(), r.top() + top, nx, sideHeight), brush);
    if (res.rightBorder && r.width() > (res.leftBorder ? nx : 0))
        painter->fillRect(QRect(r.left() + r.width() - std::min(nx, r.width() - (res.leftBorder ? nx : 0)),
                                r.top() + top, std::min(nx, r.width() - (res.leftBorder ? nx : 0)), sideHeight),
                          brush);
}

// Sets a render hint for the life of the object and puts the previous value back.
class HintScope
{
public:
    HintScope(QPainter *painter, QPainter::RenderHint hint, bool on)
        : painter(painter), hint(hint), was(painter->testRenderHint(hint))
    {
        painter->setRenderHint(hint, on);
    }
    ~HintScope() { painter->setRenderHint(hint, was); }
    HintScope(const HintScope &) = delete;
    HintScope &operator=(const HintScope &) = delete;

private:
    QPainter *painter;
    QPainter::RenderHint hint;
    bool was;
};

// The fill colour, or with a gradient the blend from color at from to gradientColor at to.
QBrush fillBrush(const FillRes &res, const QPointF &from, const QPointF &to)
{
    if (!res.gradient)
        return QBrush(res.color);
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, res.color);
    gradient.setColorAt(1, res.gradientColor);
    return QBrush(gradient);
}

// The rounded fill and its border at (fx, fy, fw, fh): anti-aliased paths, the costly part of a fill.
void paintRoundedFill(QPainter *painter, const FillRes &res, qreal fx, qreal fy, qreal fw, qreal fh,
                      const QRectF &fillRect, const QRectF &inset, qreal half, bool allSides, bool drawBorder)
{
    painter->setRenderHint(QPainter::Antialiasing, true);
    const QPainterPath path = tavixRoundedRectPath(fillRect, res.round, res.roundTopLeft, res.roundTopRight,
                                                   res.roundBottomRight, res.roundBottomLeft);
    painter->fillPath(path, fillBrush(res, fillRect.topLeft(), fillRect.topRight()));
    if (drawBorder) {
        if (allSides) {
            painter->drawPath(tavixRoundedRectPath(inset, res.round, res.roundTopLeft, res.roundTopRight,
                                                   res.roundBottomRight, res.roundBottomLeft));
        } else {
            // Side lines stop where the arc begins; the arc radius is the one the path really
            // uses, so an oversized round cannot turn a side into a line running backwards.
            const qreal radius = std::max<qreal>(0, std::min<qreal>(res.round,
                                                 std::min(inset.width(), inset.height()) / 2));
            const qreal cTL = res.roundTopLeft ? radius : 0;
            const qreal cTR = res.roundTopRight ? radius : 0;
            const qreal cBR = res.roundBottomRight ? radius : 0;
            const qreal cBL = res.roundBottomLeft ? radius : 0;
            const qreal right = fx + fw, bottom = fy + fh;
            if (res.bottomBorder)
                painter->drawLine(QPointF(fx + std::max(cBL, half), bottom - half),
                                  QPointF(right - std::max(cBR, half), bottom - half));
            if (res.topBorder)
                painter->drawLine(QPointF(fx + std::max(cTL, half), fy + half),
                                  QPointF(right - std::max(cTR, half), fy + half));
            if (res.rightBorder)
                painter->drawLine(QPointF(right - half, fy + std::max(cTR, half)),
                                  QPointF(right - half, bottom - std::max(cBR, half)));
            if (res.leftBorder)
                painter->drawLine(QPointF(fx + half, fy + std::max(cTL, half)),
                                  QPointF(fx + half, bottom - std::max(cBL, half)));
        }
    }
}

// paintRoundedFill at (x, y, w, h), on device pixels where the painter scales: the straight parts of the
// border are then whole device pixels (a hairline one) instead of a band smeared over two.
void paintRoundedOnGrid(QPainter *painter, const FillRes &res, int x, int y, int w, int h, const QRectF &fillRect,
                        const QRectF &inset, qreal half, bool allSides, bool drawBorder)
{
    const DeviceGrid grid(painter);
    if (!grid.isActive()) {
        paintRoundedFill(painter, res, x, y, w, h, fillRect, inset, half, allSides, drawBorder);
        return;
    }
    const QRect device = grid.map(x, y, w, h);
    const qreal scale = std::min(grid.scaleX(), grid.scaleY());
    const int n = drawBorder ? DeviceGrid::thickness(std::max(res.borderSize, 0), scale,
                                                     std::min(device.width(), device.height()))
                             : 0;
    FillRes scaled = res;
    scaled.round = int(std::min<qreal>(qRound(res.round * scale), INT_MAX / 2));
    const qreal halfN = n / 2.0;
    const QRectF deviceInset = QRectF(device).adjusted(halfN, halfN, -halfN, -halfN);
    const QRectF deviceFill = (res.border && res.borderSize >= 1) ? deviceInset : QRectF(device);
    painter->save();
    grid.paintInDevicePixels(painter);
    QPen pen = painter->pen();
    pen.setWidthF(n);
    painter->setPen(pen);
    paintRoundedFill(painter, scaled, device.x(), device.y(), device.width(), device.height(), deviceFill,
                     deviceInset, halfN, allSides, drawBorder && n > 0);
    painter->restore();
}

// Rounded fills are cached as pixmaps keyed by the record's content, the size and the device pixel ratio,
// and blitted: only where a blit at whole pixels onto a raster device gives what painting the paths would.
constexpr int kMaxCachedFillPixels = 512 * 512;

bool fillCacheUsable(QPainter *painter, int x, int y, int w, int h, qreal dpr)
{
    if (QThread::currentThread() != QCoreApplication::instance()->thread())
        return false;   // QPixmapCache belongs to the GUI thread
    const QPaintEngine *engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return false;
    if (painter->compositionMode() != QPainter::CompositionMode_SourceOver || painter->opacity() != 1.0)
        return false;   // fill and border overlap at their edges, so group opacity would differ
    // A uniform scale by the ratio (a high-DPI device) is fine as long as the pixmap lands on whole
    // device pixels, where its pixels are the ones painting would produce.
    const QTransform &t = painter->deviceTransform();
    if (t.type() > QTransform::TxScale || t.m11() != dpr || t.m22() != dpr)
        return false;
    const qreal deviceX = x * dpr + t.dx(), deviceY = y * dpr + t.dy();
    if (deviceX != std::floor(deviceX) || deviceY != std::floor(deviceY))
        return false;
    return dpr > 0 && qint64(w) * h * dpr * dpr <= kMaxCachedFillPixels;
}

QString fillCacheKey(const FillRes &res, int w, int h, qreal dpr)
{
    ushort key[24];
    int n = 0;
    key[n++] = 'T';
    for (const QColor *c : {&res.color, &res.gradientColor, &res.borderColor}) {
        const QRgba64 v = c->rgba64();
        key[n++] = v.red();
        key[n++] = v.green();
        key[n++] = v.blue();
        key[n++] = v.alpha();
    }
    const uint flags = uint(res.gradient) | uint(res.border) << 1 | uint(res.leftBorder) << 2
                       | uint(res.topBorder) << 3 | uint(res.rightBorder) << 4 | uint(res.bottomBorder) << 5
                       | uint(res.roundTopLeft) << 6 | uint(res.roundTopRight) << 7
                       | uint(res.roundBottomRight) << 8 | uint(res.roundBottomLeft) << 9;
    key[n++] = ushort(flags);
    for (uint v : {uint(res.round), uint(res.borderSize), uint(w), uint(h), uint(qRound(dpr * 1000))}) {
        key[n++] = ushort(v >> 16);
        key[n++] = ushort(v);
    }
    return QString(reinterpret_cast<const QChar *>(key), n);
}

} // namespace

void tavixDrawFillStyle(QPainter *painter, const FillStyle &style, const QRect &rect)
{
    tavixDrawFillStyle(painter, style, rect.x(), rect.y(), rect.width(), rect.height());
}

void tavixDrawFillStyle(QPainter *painter, const FillStyle &style, int x, int y, int w, int h)
{
    if (!painter || !style.valid)
        return;
    if (style.drawColor)
        tavixDrawColorFill(painter, style, x, y, w, h);
    else
        tavixDrawImageFill(painter, style, x, y, w, h);
}

void tavixDrawColorFill(QPainter *painter, const FillRes &res, int x, int y, int w, int h)
{
    // An empty rectangle has nothing to fill, and its border lines would land outside it.
    if (!painter || w <= 0 || h <= 0 || !Rect64{x, y, w, h}.fitsInt())
        return;

    const int b = std::max(res.borderSize, 0);
    const qreal half = b >= 1 ? b / 2.0 : 0.0;
    const qreal fx = x, fy = y, fw = w, fh = h;
    const QRectF inset(fx + half, fy + half, std::max(w - b, 0), std::max(h - b, 0));
    const QRectF fillRect = (res.border && b >= 1) ? inset : QRectF(fx, fy, fw, fh);
    const bool allSides = res.leftBorder && res.topBorder && res.rightBorder && res.bottomBorder;
    const bool drawBorder = res.border && b != 0;

    painter->save();
    painter->setPen(QPen(QBrush(res.borderColor), b, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->setBrush(Qt::NoBrush);

    const DeviceGrid grid(painter);
    if (res.round == 0 && grid.isActive()) {
        // At a ratio such as 1.25 a one-pixel pen covers 1.25 device pixels: drawn as it falls it smears over
        // two rows or changes thickness with the position. Whole device pixels keep the border crisp.
        painter->setRenderHint(QPainter::Antialiasing, false);
        const QRect device = grid.map(fx, fy, fw, fh);
        grid.paintInDevicePixels(painter);
        const QPointF from(device.left(), 0), to(device.left() + device.width(), 0);
        painter->fillRect(device, fillBrush(res, from, to));
        if (drawBorder) {
            fillBorderBands(painter, res, device, DeviceGrid::thickness(b, grid.scaleX(), device.width()),
                            DeviceGrid::thickness(b, grid.scaleY(), device.height()));
        }
    } else if (res.round == 0) {
        const QRect whole(x, y, w, h);
        painter->fillRect(whole, fillBrush(res, QPointF(x, 0), QPointF(fx + fw, 0)));
        if (drawBorder) {
            if (allSides) {
                // The outline runs through the middle of the border band, as the side lines below do;
                // for a 1-pixel pen this covers exactly the outline (x, y, w - 1, h - 1), and a thicker
                // border stays inside the rectangle instead of straddling its top and left sides.
                painter->drawRect(inset);
            } else {
                const qreal left = fx + half, right = fx + fw - half;
                const qreal top = fy + half, bottom = fy + fh - half;
                if (res.bottomBorder)
                    painter->drawLine(QPointF(left, bottom), QPointF(right, bottom));
                if (res.topBorder)
                    painter->drawLine(QPointF(left, top), QPointF(right, top));
                if (res.rightBorder)
                    painter->drawLine(QPointF(right, top), QPointF(right, bottom));
                if (res.leftBorder)
                    painter->drawLine(QPointF(left, top), QPointF(left, bottom));
            }
        }
    } else {
        const qreal dpr = tavixPainterPixelRatio(painter);
        if (fillCacheUsable(painter, x, y, w, h, dpr)) {
            const QString key = fillCacheKey(res, w, h, dpr);
            QPixmap pixmap;
            if (!QPixmapCache::find(key, &pixmap)) {
                pixmap = QPixmap(qCeil(w * dpr), qCeil(h * dpr));
                pixmap.setDevicePixelRatio(dpr);
                pixmap.fill(Qt::transparent);
                QPainter cached(&pixmap);
                cached.setPen(painter->pen());
                cached.setBrush(Qt::NoBrush);
                cached.setRenderHint(QPainter::Antialiasing, true);
                const QRectF at0 = fillRect.translated(-fx, -fy), inset0 = inset.translated(-fx, -fy);
                paintRoundedOnGrid(&cached, res, 0, 0, w, h, at0, inset0, half, allSides, drawBorder);
                cached.end();
                QPixmapCache::insert(key, pixmap);
            }
            painter->drawPixmap(x, y, pixmap);
        } else {
            paintRoundedOnGrid(painter, res, x, y, w, h, fillRect, inset, half, allSides, drawBorder);
        }
    }
    painter->restore();
}

QPainterPath tavixRoundedRectPath(const QRectF &rect, qreal radius, bool topLeft, bool topRight, bool bottomRight,
                                  bool bottomLeft)
{
    QPainterPath path;
    if (!rect.isValid())
        return path;
    // Written so that a NaN radius also ends up as 0.
    const qreal limit = std::min(rect.width(), rect.height()) / 2;
    const qreal r = radius > 0 ? std::min(radius, limit) : 0;
    if (r <= 0) {
        path.addRect(rect);
        return path;
    }
    const qreal d = 2 * r;
    const qreal left = rect.left(), top = rect.top(), right = rect.right(), bottom = rect.bottom();

    path.moveTo(topLeft ? left + r : left, top);
    if (topRight) {
        path.lineTo(right - r, top);
        path.arcTo(QRectF(right - d, top, d, d), 90, -90);
    } else {
        path.lineTo(right, top);
    }
    if (bottomRight) {
        path.lineTo(right, bottom - r);
        path.arcTo(QRectF(right - d, bottom - d, d, d), 0, -90);
    } else {
        path.lineTo(right, bottom);
    }
    if (bottomLeft) {
        path.lineTo(left + r, bottom);
        path.arcTo(QRectF(left, bottom - d, d, d), 270, -90);
    } else {
        path.lineTo(left, bottom);
    }
    if (topLeft) {
        path.lineTo(left, top + r);
        path.arcTo(QRectF(left, top, d, d), 180, -90);
    } else {
        path.lineTo(left, top);
    }
    path.closeSubpath();
    return path;
}

void tavixDrawImageFill(QPainter *painter, const ImageDesc &desc, int x, int y, int w, int h)
{
    if (!painter || w <= 0 || h <= 0)
        return;
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    const QImage *image = manager->getImage(desc.img, false);
    if (!image || image->width() <= 0 || image->height() <= 0)
        return;
    const qint64 iw = image->width(), ih = image->height();
    const QImage *pixels = manager->getImageForRatio(desc.img, false, tavixPainterPixelRatio(painter));
    if (!pixels || pixels->width() <= 0 || pixels->height() <= 0)
        pixels = image;
    const SlicedImage img{*pixels, iw, ih, qreal(pixels->width()) / iw, qreal(pixels->height()) / ih};
    const HintScope smooth(painter, QPainter::SmoothPixmapTransform,
                           img.sx != 1 || img.sy != 1 || painter->testRenderHint(QPainter::SmoothPixmapTransform));
    // Margins come from style documents; a negative one has no meaning and would address pixels
    // outside the image.
    const qint64 L = std::max(desc.marginLeft, 0);
    const qint64 R = std::max(desc.marginRight, 0);
    const qint64 T = std::max(desc.marginTop, 0);
    const qint64 B = std::max(desc.marginBottom, 0);
    const qint64 X = x, Y = y, W = w, H = h;

    if (T > 0)
        drawPiece(painter, img, {X + L, Y, W - L - R, T}, {L, 0, iw - L - R, T});
    if (B > 0 && Y + H - B >= 0)
        drawPiece(painter, img, {X + L, Y + H - B, W - L - R, B}, {L, ih - B, iw - L - R, B});
    const Rect64 leftTarget{X, Y + T, L, H - T - B};
    if (L > 0)
        drawPiece(painter, img, leftTarget, {0, T, L, ih - T - B});
    if (R > 0 && X + W - R >= 0) {
        const Rect64 rightTarget{X + W - R, Y + T, R, H - T - B};
        const Rect64 rightSource{iw - R, T, R, ih - T - B};
        // Narrower than both margins: the right edge only shows in the band from the left edge's last column.
        const Rect64 band{leftTarget.x + leftTarget.w - 1, Y + T, R, H - T - B};
        if (L > 0 && leftTarget.x + leftTarget.w > X + W - R && band.isValid() && band.fitsInt()) {
            painter->save();
            painter->setClipRect(band.toRect(), Qt::IntersectClip);
            drawPiece(painter, img, rightTarget, rightSource);
            painter->restore();
        } else {
            drawPiece(painter, img, rightTarget, rightSource);
        }
    }
    if (L > 0 && T > 0)
        drawPiece(painter, img, {X, Y, L, T}, {0, 0, L, T});
    if (R > 0 && T > 0)
        drawPiece(painter, img, {X + W - R, Y, R, T}, {iw - R, 0, R, T});
    if (L > 0 && B > 0)
        drawPiece(painter, img, {X, Y + H - B, L, B}, {0, ih - B, L, B});
    if (R > 0 && B > 0)
        drawPiece(painter, img, {X + W - R, Y + H - B, R, B}, {iw - R, ih - B, R, B});

    const Rect64 centre{X + L, Y + T, W - L - R, H - T - B};
    const Rect64 source{L, T, iw - L - R, ih - T - B};
    if (!centre.isValid() || !source.isValid() || !centre.fitsInt())
        return;
    if (source.x + source.w > iw || source.y + source.h > ih)
        return;
    if (desc.repeatCenter)
        tileCentre(painter, img, centre.toRect(), source.toRect());
    else
        drawPiece(painter, img, centre, source);
}

QFont tavixTextStyleFont(const TextStyleDesc &style)
{
    QFont font;
    if (style.size > 0)
        font.setPixelSize(style.size);
    const QString global = TavixQResourceManager::getInstance()->getGlobalFontFamily();
    font.setFamily(global.isEmpty() ? style.family : global);
    font.setWeight(style.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

struct TavixTextLayoutCache::Entry
{
    // What the layout depends on; the colour is applied at each paint.
    QString text;
    TextStyleDesc style;
    QSize area;
    int elideWidth = 0;
    QString globalFamily;
    int dpiX = 0;
    int dpiY = 0;
    qreal dpr = 0;
    QFont font;             // the style's font, as tavixTextStyleFont gives it
    QFont deviceFont;       // that font as the painter resolved it for the device

    // The laid-out text and where each line goes, relative to the text area's top-left.
    bool fallback = false;  // a case the cache does not reproduce; painted without it
    std::unique_ptr<QTextLayout> layout;
    std::vector<qreal> lineX;
    qreal y = 0;
    bool clip = false;
};

struct TavixTextLayoutCache::Data
{
    std::vector<std::unique_ptr<Entry>> entries;
    size_t next = 0;
};

TavixTextLayoutCache::TavixTextLayoutCache() = default;
TavixTextLayoutCache::~TavixTextLayoutCache() = default;

void TavixTextLayoutCache::clear()
{
    d.reset();
}

int TavixTextLayoutCache::size() const
{
    return d ? int(d->entries.size()) : 0;
}

namespace {

constexpr size_t kCachedCaptions = 8;

// The style fields that decide the layout; name and colour do not.
bool sameLayoutStyle(const TextStyleDesc &a, const TextStyleDesc &b)
{
    return a.bold == b.bold && a.italic == b.italic && a.size == b.size && a.underline == b.underline
           && a.family == b.family && a.x == b.x && a.y == b.y && a.isHor == b.isHor && a.hor == b.hor
           && a.ver == b.ver && a.elideMode == b.elideMode;
}

// Lays shown out as QPainter::drawText does for an alignment-only flag set (elided captions) or a word-wrapping
// option (wrapped ones): the same text clean-up, line breaking, line positions and clipping, so drawing the
// stored lines gives the pixels drawText gives. painter already holds the font.
void layOutEntry(TavixTextLayoutCache::Entry &e, QPainter *painter, const QString &shown, Qt::Alignment align,
                 bool wrap)
{
    QString text = shown;
    bool hasSpace = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            text[i] = QLatin1Char(' ');
        else if (c == QLatin1Char('\n'))
            text[i] = QChar::LineSeparator;
        else if (c == QChar(ushort(0x9c)))
            e.fallback = true;      // length variants: drawText picks one by the space
        if (text.at(i).isSpace())
            hasSpace = true;
    }
    // Right to left, drawText shifts right-aligned lines by their trailing spaces and mirrors the alignment of
    // unwrapped text; such captions keep the plain path.
    const Qt::LayoutDirection direction = wrap ? Qt::LayoutDirectionAuto : painter->layoutDirection();
    if (direction == Qt::RightToLeft || (hasSpace && text.isRightToLeft()))
        e.fallback = true;
    if (e.fallback)
        return;

    e.layout.reset(new QTextLayout(text, painter->font()));
    QTextOption option;
    option.setTextDirection(direction);
    option.setAlignment(Qt::AlignLeft);     // aligned per line below
    e.layout->setTextOption(option);
    e.layout->setCacheEnabled(true);

    const QSizeF r(e.area);
    const qreal lineWidth = wrap ? std::max<qreal>(0, r.width()) : 0x01000000;
    const qreal leading = QFontMetricsF(painter->font()).leading();
    qreal height = -leading, width = 0;
    e.layout->beginLayout();
    for (;;) {
        QTextLine line = e.layout->createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(lineWidth);
        height += leading;
        height = qCeil(height);     // lines sit on whole pixels
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        width = std::max(width, line.naturalTextWidth());
        if (height >= r.height())
            break;
    }
    e.layout->endLayout();

    qreal xoff = 0;
    if (align & Qt::AlignBottom)
        e.y = r.height() - height;
    else if (align & Qt::AlignVCenter)
        e.y = (r.height() - height) / 2;
    if (align & Qt::AlignRight)
        xoff = r.width() - width;
    else if (align & Qt::AlignHCenter)
        xoff = (r.width() - width) / 2;
    e.clip = !QRectF(QPointF(), r).contains(QRectF(xoff, e.y, width, height));
    for (int i = 0; i < e.layout->lineCount(); ++i) {
        const qreal advance = e.layout->lineAt(i).horizontalAdvance();
        e.lineX.push_back((align & Qt::AlignRight) ? r.width() - advance
                          : (align & Qt::AlignHCenter) ? (r.width() - advance) / 2 : 0);
    }
}

// The cached entry for this caption, laid out anew when anything it depends on changed.
TavixTextLayoutCache::Entry *cachedLayout(TavixTextLayoutCache::Data &data, QPainter *painter, const QString &text,
                                          const TextStyleDesc &style, const QSize &area, int elideWidth,
                                          Qt::Alignment align)
{
    const QString global = TavixQResourceManager::getInstance()->getGlobalFontFamily();
    const QPaintDevice *device = painter->device();
    const int dpiX = device ? device->logicalDpiX() : 0, dpiY = device ? device->logicalDpiY() : 0;
    const qreal dpr = device ? device->devicePixelRatioF() : 1.0;
    for (const auto &e : data.entries) {
        if (e->text == text && e->area == area && e->elideWidth == elideWidth && e->dpiX == dpiX
            && e->dpiY == dpiY && e->dpr == dpr && e->globalFamily == global && sameLayoutStyle(e->style, style)) {
            painter->setFont(e->font);
            if (painter->font() == e->deviceFont)
                return e.get();
            break;      // the painter resolves the font differently (another device font); lay out again
        }
    }
    std::unique_ptr<TavixTextLayoutCache::Entry> e(new TavixTextLayoutCache::Entry);
    e->text = text;
    e->style = style;
    e->area = area;
    e->elideWidth = elideWidth;
    e->globalFamily = global;
    e->dpiX = dpiX;
    e->dpiY = dpiY;
    e->dpr = dpr;
    e->font = tavixTextStyleFont(style);
    painter->setFont(e->font);
    e->deviceFont = painter->font();
    const bool wrap = style.elideMode == 3;
    layOutEntry(*e, painter, wrap ? text : QFontMetrics(e->font).elidedText(text, Qt::ElideRight, elideWidth),
                align, wrap);
    // Replaces the same caption's stale entry if there is one, else the oldest.
    size_t slot = data.entries.size();
    for (size_t i = 0; i < data.entries.size(); ++i)
        if (data.entries[i]->text == text && data.entries[i]->area == area)
            slot = i;
    if (slot == data.entries.size()) {
        if (data.entries.size() < kCachedCaptions) {
            data.entries.push_back(nullptr);
        } else {
            slot = data.next;
            data.next = (data.next + 1) % kCachedCaptions;
        }
    }
    data.entries[slot] = std::move(e);
    return data.entries[slot].get();
}

} // namespace

void tavixDrawTextStyle(QPainter *painter, const QString &text, const TextStyleDesc &style, const QRect &rect)
{
    tavixDrawTextStyle(painter, text, style, rect, nullptr);
}

void tavixDrawTextStyle(QPainter *painter, const QString &text, const TextStyleDesc &style, const QRect &rect,
                        TavixTextLayoutCache *cache)
{
    if (!painter || text.isEmpty())
        return;
    const int x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    const Rect64 area{qint64(x) + style.x, qint64(y) + style.y, qint64(w) - style.x,
                      style.ver == 2 ? qint64(h) + style.y : qint64(h) - style.y};

    painter->setBrush(QBrush(style.color));
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    const Qt::Alignment align = textAlignment(style.hor, style.ver);
    const QPen pen(style.color);

    if (style.isHor) {
        // The offsets come from style documents; a text area outside the int range has nothing to show.
        if (!area.fitsInt())
            return;
        const QRect textRect = area.toRect();
        painter->setPen(pen);
        const int elideWidth = std::max(w, 2) - 2;
        if (cache && textRect.isValid()) {
            if (!cache->d)
                cache->d.reset(new TavixTextLayoutCache::Data);
            const TavixTextLayoutCache::Entry *e
                = cachedLayout(*cache->d, painter, text, style, textRect.size(), elideWidth, align);
            if (!e->fallback) {
                if (e->clip) {
                    painter->save();
                    painter->setClipRect(QRectF(textRect), Qt::IntersectClip);
                }
                for (int i = 0; i < e->layout->lineCount(); ++i)
                    e->layout->lineAt(i).draw(painter, QPointF(textRect.x() + e->lineX[size_t(i)],
                                                               textRect.y() + e->y));
                if (e->clip)
                    painter->restore();
                return;
            }
        }
        const QFont font = tavixTextStyleFont(style);
        painter->setFont(font);
        if (style.elideMode == 3) {
            // The default text option wraps at word boundaries.
            painter->drawText(QRectF(textRect), text, QTextOption(align));
        } else {
            const QString elided = QFontMetrics(font).elidedText(text, Qt::ElideRight, elideWidth);
            painter->drawText(textRect, int(align), elided);
        }
        return;
    }

    // Vertical text is laid out horizontally in an h x w image, then turned clockwise onto the rectangle.
    // Laid out at the painter's pixel ratio, so that turned text is as sharp as the rest.
    const QFont font = tavixTextStyleFont(style);
    const qreal ratio = tavixPainterPixelRatio(painter);
    if (!scratchSizeOk(qCeil(h * ratio), qCeil(w * ratio)))
        return;
    QImage image(qCeil(h * ratio), qCeil(w * ratio), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter imagePainter(&image);
        imagePainter.setRenderHint(QPainter::TextAntialiasing, true);
        imagePainter.setPen(pen);
        imagePainter.setFont(font);
        imagePainter.drawText(QRect(0, 0, h, w), int(align), text);
    }
    painter->save();
    painter->rotate(90);
    painter->drawImage(QPointF(y, -(qreal(x) + w)), image);   // the image's ratio keeps it at h x w
    painter->restore();
}

void tavixDrawIconImage(QPainter *painter, const QString &path, const IconStyleDesc &icon, const QRect &rect,
                        bool gray)
{
    if (!painter || path.trimmed().isEmpty())
        return;
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();

    if (tavixIsSvgPath(path)) {
        QSvgRenderer *renderer = manager->getSvgRenderer(path);
        if (!renderer || !renderer->isValid())
            return;
        QSize size = tavixScaleSize(manager->boundedImageSize(renderer->defaultSize()));
        if (!size.isValid()) {
            const int side = std::max(std::min(rect.width(), rect.height()), 1);
            size = QSize(side, side);
        }
        QPoint pos;
        if (!iconPosition(icon, rect, size, pos))
            return;
        if (icon.useColor || gray) {
            // Rendered at the painter's pixel ratio: a 1x picture would be enlarged into blocks.
            QImage image = tavixRenderSvgImage(renderer, size, tavixPainterPixelRatio(painter));
            if (image.isNull())
                return;
            if (icon.useColor) {
                // Source-in keeps each rendered pixel's alpha and replaces its colour.
                QPainter tint(&image);
                tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
                tint.fillRect(QRect(QPoint(0, 0), size), icon.color);
                tint.end();
            } else {
                image = tavixDisabledImage(image);
            }
            tavixDrawImageInto(painter, QRectF(QRect(pos, size)), image);
        } else {
            if (!Rect64{pos.x(), pos.y(), size.width(), size.height()}.fitsInt())
                return;
            renderer->render(painter, QRectF(QRect(pos, size)));
        }
        return;
    }

    const QImage *image = manager->getImage(path, gray);
    if (!image || image->isNull())
        return;
    QPoint pos;
    if (!iconPosition(icon, rect, image->size(), pos))
        return;
    // Placed by the 1x picture's size; its pixels may come from a "@2x" variant.
    const QImage *pixels = tavixImageForPainter(painter, path, gray);
    if (pixels && !pixels->isNull() && pixels->devicePixelRatioF() != 1)
        tavixDrawImageInto(painter, QRectF(QRect(pos, image->size())), *pixels);
    else
        painter->drawImage(pos, *image);
}

void tavixDrawIconPixmap(QPainter *painter, const QIcon &icon, const QSize &iconSize, const IconStyleDesc &style,
                         const QRect &rect)
{
    // The icon engine renders a pixmap of iconSize, so an absurd size would allocate without bound.
    if (!painter || icon.isNull() || !scratchSizeOk(iconSize.width(), iconSize.height()))
        return;
    // Asked at the painter's pixel ratio; an icon with fewer pixels answers smaller and is stretched.
    const qreal ratio = tavixPainterPixelRatio(painter);
    const QSize pixels(qCeil(iconSize.width() * ratio), qCeil(iconSize.height() * ratio));
    const QPixmap pixmap = icon.pixmap(scratchSizeOk(pixels.width(), pixels.height()) ? pixels : iconSize);
    if (pixmap.isNull())
        return;
    QPoint pos;
    if (!iconPosition(style, rect, iconSize, pos))
        return;
    if (ratio == 1 && pixmap.size() == iconSize) {
        painter->drawPixmap(pos, pixmap);
        return;
    }
    const HintScope smooth(painter, QPainter::SmoothPixmapTransform, true);
    painter->drawPixmap(QRectF(QRect(pos, iconSize)), pixmap, QRectF(pixmap.rect()));
}

QSize tavixMeasureText(const TextStyleDesc &style, const QString &text)
{
    const QFontMetrics metrics(tavixTextStyleFont(style));
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

QSize tavixImageSize(const QString &path, bool gray)
{
    if (path.isEmpty())
        return QSize();
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    if (tavixIsSvgPath(path)) {
        QSvgRenderer *renderer = manager->getSvgRenderer(path);
        if (!renderer || !renderer->isValid())
            return QSize();
        const QSize size = tavixScaleSize(manager->boundedImageSize(renderer->defaultSize()));
        return size.isValid() ? size : QSize(16, 16);
    }
    const QImage *image = manager->getImage(path, gray);
    if (!image || image->isNull())
        return QSize();
    return image->size();
}

qreal tavixPainterPixelRatio(const QPainter *painter)
{
    if (!painter || !painter->isActive())
        return 1.0;
    const QTransform &t = painter->deviceTransform();
    const qreal ratio = t.type() <= QTransform::TxScale ? std::max(std::abs(t.m11()), std::abs(t.m22()))
                                                         : std::sqrt(std::abs(t.determinant()));
    // Written so that NaN ends up as 1.
    if (!(ratio > 1.0))
        return 1.0;
    return std::min(ratio, 8.0);
}

const QImage *tavixImageForPainter(const QPainter *painter, const QString &path, bool gray)
{
    return TavixQResourceManager::getInstance()->getImageForRatio(path, gray, tavixPainterPixelRatio(painter));
}

void tavixDrawImageInto(QPainter *painter, const QRectF &target, const QImage &image)
{
    if (!painter || image.isNull() || target.isEmpty())
        return;
    const qreal ratio = tavixPainterPixelRatio(painter);
    const bool exact = std::abs(target.width() * ratio - image.width()) < 0.01
                       && std::abs(target.height() * ratio - image.height()) < 0.01;
    const HintScope smooth(painter, QPainter::SmoothPixmapTransform,
                           !exact || painter->testRenderHint(QPainter::SmoothPixmapTransform));
    painter->drawImage(target, image, QRectF(image.rect()));
}

QImage tavixRenderSvgImage(QSvgRenderer *renderer, const QSize &size, qreal ratio)
{
    if (!renderer || size.isEmpty() || !(ratio >= 1.0))
        return QImage();
    const qint64 w = qCeil(size.width() * ratio), h = qCeil(size.height() * ratio);
    if (!scratchSizeOk(w, h))
        return QImage();
    QImage image(int(w), int(h), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter imagePainter(&image);
    renderer->render(&imagePainter, QRectF(0, 0, size.width(), size.height()));
    return image;
}

QImage tavixDisabledImage(const QImage &image)
{
    // The disabled rendering needs the platform style and so a widget application.
    if (image.isNull() || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return image;
    QStyleOption option;
    option.palette = QGuiApplication::palette();
    QImage result = QApplication::style()
                        ->generatedIconPixmap(QIcon::Disabled, QPixmap::fromImage(image), &option)
                        .toImage();
    result.setDevicePixelRatio(image.devicePixelRatio());
    return result;
}

bool tavixIsSvgPath(const QString &path)
{
    return path.trimmed().endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

QSize tavixScaleSize(const QSize &size)
{
    if (!size.isValid())
        return size;
    const double factor = TavixQResourceManager::getInstance()->getScaleFactor();
    if (!(factor < 1.0))
        return size;
    // std::round rounds half away from zero; a factor of 0 or below still leaves one pixel.
    const auto scaled = [factor](int side) {
        return int(std::clamp(std::round(side * factor), 1.0, double(std::max(side, 1))));
    };
    return QSize(scaled(size.width()), scaled(size.height()));
}

void tavixFillLine(QPainter *painter, const QRect &band, const QBrush &brush)
{
    if (!painter || band.isEmpty())
        return;
    const DeviceGrid grid(painter);
    if (!grid.isActive()) {
        painter->fillRect(band, brush);
        return;
    }
    QRect device = grid.map(band.x(), band.y(), band.width(), band.height());
    if (band.height() <= band.width())
        device.setHeight(DeviceGrid::thickness(band.height(), grid.scaleY(), INT_MAX));
    else
        device.setWidth(DeviceGrid::thickness(band.width(), grid.scaleX(), INT_MAX));
    painter->save();
    grid.paintInDevicePixels(painter);
    painter->fillRect(device, brush);
    painter->restore();
}

void tavixDrawHairPolyline(QPainter *painter, const QPolygon &points, const QColor &color)
{
    if (!painter || points.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(color, 1);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    const DeviceGrid grid(painter);
    if (grid.isActive()) {
        // Each logical pixel the line passes starts at a device pixel; the line is drawn one device pixel there.
        QPolygon device;
        device.reserve(points.size());
        for (const QPoint &p : points)
            device << QPoint(grid.x(p.x()), grid.y(p.y()));
        grid.paintInDevicePixels(painter);
        painter->drawPolyline(device);
    } else {
        painter->drawPolyline(points);
    }
    painter->restore();
}

} // namespace TavixQtLib
