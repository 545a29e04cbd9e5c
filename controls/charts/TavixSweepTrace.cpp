#include "controls/charts/TavixSweepTrace.h"

#include "resources/TavixPainting.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace TavixQtLib {

namespace {

constexpr int kBig = 1 << 24;                   // beyond any widget edge
constexpr int kMaxLayerSide = 16384;            // larger widgets are painted without the picture
constexpr qint64 kMaxLayerPixels = qint64(1) << 26;
constexpr std::size_t kCompactAfter = 4096;

double clampCoord(double v)
{
    return qBound(-TavixSweepTrace::kCoordLimit, v, TavixSweepTrace::kCoordLimit);
}

} // namespace

bool TavixSweepTrace::add(float x, float y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return false;
    if (size() >= kMaxPoints)
        popFront();
    if (size() > 0 && double(x) < m_points.back().x()) {
        ++m_descents;
        m_layer = QImage();     // painted whole from now on; a fresh picture once x rises again
    }
    m_points.emplace_back(double(x), double(y));
    return true;
}

void TavixSweepTrace::clear()
{
    m_points.clear();
    m_first = 0;
    m_descents = 0;
    rollBack(0);
}

void TavixSweepTrace::popBack()
{
    const int n = size();
    if (n == 0)
        return;
    if (n >= 2 && m_points[m_points.size() - 1].x() < m_points[m_points.size() - 2].x())
        --m_descents;
    m_points.pop_back();
    // Columns finished with the removed point in view are drawn again without it.
    rollBack(n > 1 ? int(std::floor(clampCoord(m_points.back().x()))) - m_margin : 0);
}

void TavixSweepTrace::popFront()
{
    const int n = size();
    if (n == 0)
        return;
    const QPointF *p = begin();
    if (n >= 2 && p[1].x() < p[0].x())
        --m_descents;
    ++m_first;
    if (m_first >= kCompactAfter && m_first * 2 > m_points.size()) {
        m_points.erase(m_points.begin(), m_points.begin() + std::ptrdiff_t(m_first));
        m_first = 0;
    }
    if (n == 1) {
        rollBack(0);
        return;
    }
    // The sweep now starts at the new first point: the columns up to it are drawn again.
    const int reach = int(std::ceil(clampCoord(begin()->x()))) + m_margin + 1;
    m_staleBelow = std::max(m_staleBelow, reach);
}

QPointF TavixSweepTrace::at(int i) const
{
    if (i < 0 || i >= size())
        return QPointF(0, 0);
    return begin()[i];
}

int TavixSweepTrace::lastColumn() const
{
    return size() > 0 ? int(std::trunc(clampCoord(m_points.back().x()))) : 0;
}

void TavixSweepTrace::invalidate()
{
    m_layer = QImage();
}

int TavixSweepTrace::lastBefore(double x) const
{
    const QPointF *first = begin();
    const QPointF *last = first + size();
    const QPointF *it = std::lower_bound(first, last, x, [](const QPointF &p, double v) { return p.x() < v; });
    return it == first ? 0 : int(it - first) - 1;
}

int TavixSweepTrace::firstAfter(double x) const
{
    const QPointF *first = begin();
    const QPointF *last = first + size();
    return int(std::upper_bound(first, last, x, [](double v, const QPointF &p) { return v < p.x(); }) - first);
}

void TavixSweepTrace::drawRange(QPainter *painter, int from, int to, const DrawFn &draw)
{
    if (to <= from)
        return;
    m_scratch.resize(std::size_t(to - from));
    const QPointF *p = begin();
    for (int i = from; i < to; ++i)
        m_scratch[std::size_t(i - from)] = QPointF(clampCoord(p[i].x()), clampCoord(p[i].y()));
    draw(painter, m_scratch.data(), to - from, from == 0);
}

void TavixSweepTrace::renderColumns(int from, int to, int margin, const DrawFn &draw)
{
    if (to <= from || m_layer.isNull())
        return;
    QPainter layer(&m_layer);
    layer.setCompositionMode(QPainter::CompositionMode_Clear);
    layer.fillRect(QRect(from, -kBig, to - from, 2 * kBig), Qt::transparent);
    layer.setCompositionMode(QPainter::CompositionMode_SourceOver);
    layer.setClipRect(QRect(from, -kBig, to - from, 2 * kBig));
    // Every point whose drawing can reach the band, from the last one clear of it on the left.
    const int first = lastBefore(double(from) - margin);
    const int end = std::min(size(), firstAfter(double(to) + margin) + 1);
    drawRange(&layer, first, end, draw);
}

void TavixSweepTrace::rollBack(int column)
{
    column = std::max(column, 0);
    if (column >= m_column)
        return;
    if (!m_layer.isNull()) {
        QPainter layer(&m_layer);
        layer.setCompositionMode(QPainter::CompositionMode_Clear);
        layer.fillRect(QRect(column, -kBig, m_column - column, 2 * kBig), Qt::transparent);
    }
    m_column = column;
    m_staleBelow = std::min(m_staleBelow, m_column);
}

void TavixSweepTrace::paint(QPainter *painter, const QSize &area, qreal reach, const DrawFn &draw)
{
    m_usedCache = false;
    const int n = size();
    if (n == 0)
        return;
    const qreal ratio = tavixPainterPixelRatio(painter);
    const QSize pixels = area * ratio;
    // The picture is exact only when drawn 1:1 and opaque, and only for points in x order.
    const bool cacheable = m_descents == 0 && painter->opacity() >= 1.0
        && painter->worldTransform().type() <= QTransform::TxTranslate && !area.isEmpty()
        && pixels.width() <= kMaxLayerSide && pixels.height() <= kMaxLayerSide
        && qint64(pixels.width()) * pixels.height() <= kMaxLayerPixels;
    if (!cacheable) {
        drawRange(painter, 0, n, draw);
        return;
    }

    const int margin = int(std::ceil(qBound<qreal>(0, reach, kCoordLimit))) + 2;
    if (m_layer.size() != pixels || m_layer.devicePixelRatioF() != ratio || margin != m_margin) {
        m_layer = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_layer.setDevicePixelRatio(ratio);
        m_layer.fill(Qt::transparent);
        m_column = 0;
        m_staleBelow = 0;
        m_margin = margin;
    }
    if (m_staleBelow > 0) {
        renderColumns(0, std::min(m_staleBelow, m_column), margin, draw);
        m_staleBelow = 0;
    }
    // Later points lie at or right of the newest one, so columns a margin left of it are final.
    const int finished = int(std::floor(clampCoord(m_points.back().x()))) - margin;
    const int target = qBound(0, finished, area.width());
    if (target > m_column) {
        renderColumns(m_column, target, margin, draw);
        m_column = target;
    }

    painter->drawImage(QPointF(0, 0), m_layer);
    painter->save();
    painter->setClipRect(QRect(m_column, -kBig, kBig, 2 * kBig), Qt::IntersectClip);
    drawRange(painter, lastBefore(double(m_column) - margin), n, draw);
    painter->restore();
    m_usedCache = true;
}

void TavixSweepTrace::drawSnapshot(QPainter *painter, const QImage &snapshot, const QSize &area) const
{
    if (snapshot.isNull())
        return;
    painter->save();
    if (size() > 0) {
        const int left = lastColumn() + kSnapshotGap;
        const QRect shown(left, 0, area.width() - left, area.height());
        if (shown.width() <= 0 || shown.height() <= 0) {
            painter->restore();
            return;
        }
        painter->setClipRect(shown, Qt::ReplaceClip);
    }
    painter->drawImage(QPointF(0, 0), snapshot);
    painter->restore();
}

} // namespace TavixQtLib
