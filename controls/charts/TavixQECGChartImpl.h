#pragma once

#include "controls/charts/TavixSweepChartImpl.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QPainterPath>

namespace TavixQtLib {

class TAVIXQTLIB_EXPORT TavixQECGChartImpl : public TavixSweepChartImpl
{
public:
    explicit TavixQECGChartImpl(QWidget *widget);

    void paint(QPainter *painter, const QRect &rect) override;

    // The area between the points and the horizontal edge at edgeY, from x = 0 when the points start
    // the sweep, else from the first point's x.
    static QPainterPath fillPath(const QPointF *points, int count, bool fromStart, qreal edgeY);

    bool fillBelow = false;
    bool fillAbove = false;
    QColor belowFillColors[2];
    QColor aboveFillColors[2];

private:
    bool drewFills = false;
};

} // namespace TavixQtLib
