#pragma once

#include "tavixqtlib_export.h"

#include <QImage>
#include <QPointF>
#include <QSize>

#include <cstddef>
#include <functional>
#include <vector>

class QPainter;

namespace TavixQtLib {

// The points of a sweeping waveform, in widget pixels and in the order the host added them, and a
// picture of the columns that no later point can change any more. While x never decreases, a paint
// draws only the newest stretch and copies the rest, so its cost stays flat as the sweep fills; any
// other order of points is painted whole every time, with the same result.
class TAVIXQTLIB_EXPORT TavixSweepTrace
{
public:
    // A host that never clears gets its oldest points dropped beyond this count.
    static constexpr int kMaxPoints = 1 << 20;
    // Coordinates are drawn clamped to this distance: far outside any widget, and safe for the rasteriser.
    static constexpr double kCoordLimit = 1.0e6;
    // Gap between the newest point and the earlier sweep's picture.
    static constexpr int kSnapshotGap = 40;

    // Draws points [0, count) as the trace (clamped copies); fromStart: the first is the sweep's first.
    using DrawFn = std::function<void(QPainter *painter, const QPointF *points, int count, bool fromStart)>;

    // Non-finite coordinates have no place on the screen: such a point is refused (false).
    bool add(float x, float y);
    void clear();
    void popBack();
    void popFront();
    int size() const { return int(m_points.size() - m_first); }
    QPointF at(int i) const;        // (0, 0) outside 0 .. size() - 1
    // The newest point's x truncated toward zero (0 without points).
    int lastColumn() const;

    // The look of the trace changed: every column is drawn again.
    void invalidate();
    // reach: how far, in pixels, the drawing of one point extends sideways (line width and caps).
    void paint(QPainter *painter, const QSize &size, qreal reach, const DrawFn &draw);

    // The earlier sweep's picture, right of the newest point behind the gap; whole without points.
    void drawSnapshot(QPainter *painter, const QImage &snapshot, const QSize &size) const;

    // For tests and the benchmark: whether the last paint copied finished columns instead of redrawing.
    bool usedCache() const { return m_usedCache; }

private:
    const QPointF *begin() const { return m_points.data() + m_first; }
    void drawRange(QPainter *painter, int from, int to, const DrawFn &draw);
    // Index of the last point left of x (0 when none); points must be in x order.
    int lastBefore(double x) const;
    int firstAfter(double x) const;
    void renderColumns(int from, int to, int margin, const DrawFn &draw);
    // Forgets finished columns from column on (they are drawn again).
    void rollBack(int column);

    std::vector<QPointF> m_points;  // the points are m_points[m_first ..]
    std::size_t m_first = 0;
    int m_descents = 0;             // points whose x is below their predecessor's
    std::vector<QPointF> m_scratch;
    QImage m_layer;                 // finished columns [0, m_column)
    int m_column = 0;
    int m_margin = 0;
    int m_staleBelow = 0;           // columns [0, m_staleBelow) of the layer must be drawn again
    bool m_usedCache = false;
};

} // namespace TavixQtLib
