#pragma once

#include "core/TavixControlDeclare.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QPointF>
#include <QWidget>

namespace TavixQtLib {

class TavixQECGChartImpl;

// A sweeping ECG trace from points the host pushes in widget pixels (no scaling), with optional
// gradient fills below and above it, and the previous sweep's picture (swapData) shown right of the
// newest point behind a 40-pixel gap. Transparent: it paints no background.
class TAVIXQTLIB_EXPORT TavixQECGChart : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQECGChart)
    TAVIX_DECLARE_FORWARDED_EVENTS
public:
    explicit TavixQECGChart(QWidget *parent = nullptr);
    ~TavixQECGChart() override;

    // Appends and repaints. A point with a NaN or infinite coordinate is not taken.
    void addData(float x, float y);
    void clearData();               // keeps the earlier sweep's picture
    int dataSize() const;
    QPointF getAt(int i) const;     // (0, 0) for an index outside the points
    void popBack();
    void popFront();
    // Keeps a picture of the chart as it looks now, shown right of the next sweep's newest point.
    void swapData();
    // Only the first colour draws the trace.
    void setLineColor(const QColor &first, const QColor &second);
    // Pixels; a negative or non-finite width keeps the previous one, widths above 1000 draw as 1000.
    void setLineWeight(float weight);
    float getLineWeight() const;
    void enableFillColor(bool below, bool above);
    // Vertical gradients from the top edge (first colour) to the bottom edge (second).
    void setBelowFillColor(const QColor &top, const QColor &bottom);
    void setAboveFillColor(const QColor &top, const QColor &bottom);
};

} // namespace TavixQtLib
