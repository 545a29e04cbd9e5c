#include "controls/charts/TavixQICDChartImpl.h"

#include "controls/charts/TavixQICDChart.h"
#include "resources/TavixPainting.h"

#include <QPainter>
#include <QPen>

namespace TavixQtLib {

TavixQICDChartImpl::TavixQICDChartImpl(QWidget *widget)
    : TavixSweepChartImpl(widget, QString::fromLatin1(TavixQICDChart::typeName()), 1.0f)
{
}

void TavixQICDChartImpl::paint(QPainter *painter, const QRect &rect)
{
    const QPen pen(QBrush(lineColors[0]), lineWeight, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(pen);
    if (icdType == 0) {
        points.paint(painter, widget->size(), lineWeight, [&pen](QPainter *p, const QPointF *pts, int count, bool) {
            p->setRenderHint(QPainter::Antialiasing, false);
            p->setPen(pen);
            p->drawPolyline(pts, count);
        });
    } else if (icdType == 1 && lineWeight <= 1) {
        // A one-pixel baseline stays one device pixel, not a band of 1.25 that lands two rows thick.
        tavixFillLine(painter, QRect(0, kBaselineY, rect.width() + 1, 1), lineColors[0]);
    } else if (icdType == 1) {
        painter->drawLine(QPointF(0, kBaselineY), QPointF(rect.width(), kBaselineY));
    }
    points.drawSnapshot(painter, snapshot, widget->size());
}

} // namespace TavixQtLib
