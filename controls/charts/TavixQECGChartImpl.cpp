#include "controls/charts/TavixQECGChartImpl.h"

#include "controls/charts/TavixQECGChart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>

namespace TavixQtLib {

TavixQECGChartImpl::TavixQECGChartImpl(QWidget *widget)
    : TavixSweepChartImpl(widget, QString::fromLatin1(TavixQECGChart::typeName()), 3.0f)
{
}

QPainterPath TavixQECGChartImpl::fillPath(const QPointF *points, int count, bool fromStart, qreal edgeY)
{
    QPainterPath path;
    if (count <= 0)
        return path;
    path.moveTo(fromStart ? 0.0 : points[0].x(), edgeY);
    for (int i = 0; i < count; ++i)
        path.lineTo(points[i]);
    path.lineTo(points[count - 1].x(), edgeY);
    return path;
}

void TavixQECGChartImpl::paint(QPainter *painter, const QRect &rect)
{
    const int total = points.size();
    const qreal height = rect.height();
    const QPen pen(QBrush(lineColors[0]), lineWeight, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    const auto gradient = [height](const QColor (&colors)[2]) {
        QLinearGradient g(0, 0, 0, height);
        g.setColorAt(0, colors[0]);
        g.setColorAt(1, colors[1]);
        return g;
    };
    // The fills go over the trace, as one picture per stretch of points.
    const auto draw = [&](QPainter *p, const QPointF *pts, int count, bool fromStart) {
        p->setRenderHint(QPainter::Antialiasing, true);
        p->setPen(pen);
        p->setBrush(Qt::NoBrush);
        p->drawPolyline(pts, count);
        if (total <= 2)
            return;
        if (fillBelow)
            p->fillPath(fillPath(pts, count, fromStart, height), gradient(belowFillColors));
        if (fillAbove)
            p->fillPath(fillPath(pts, count, fromStart, 0), gradient(aboveFillColors));
    };
    // The fills start with the third point; finished columns drawn without them are drawn again.
    const bool filled = (fillBelow || fillAbove) && total > 2;
    if (filled != drewFills) {
        points.invalidate();
        drewFills = filled;
    }
    painter->setRenderHint(QPainter::Antialiasing, true);
    points.paint(painter, widget->size(), lineWeight, draw);
    points.drawSnapshot(painter, snapshot, widget->size());
}

} // namespace TavixQtLib
