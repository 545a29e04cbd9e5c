#pragma once

#include "core/ITavixQWidgetBase.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QPointF>
#include <QWidget>

namespace TavixQtLib {

class TavixSweepChartImpl;

// The host side shared by the ECG and ICD charts: points pushed in widget pixels (no scaling) and
// drawn as one trace, and a picture of an earlier sweep (swapData) shown right of the newest point
// behind a 40-pixel gap. A host appends points with growing x, and at the right edge calls swapData
// and clearData and starts again at x = 0. Transparent: a chart paints no background.
class TAVIXQTLIB_EXPORT TavixQSweepChart : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
public:
    // Appends and repaints. A point with a NaN or infinite coordinate is not taken; beyond about a
    // million points without clearData the oldest go.
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

protected:
    explicit TavixQSweepChart(QWidget *parent);
    // Called by the chart's constructor with its Impl, which the chart owns.
    void setSweep(TavixSweepChartImpl *impl) { m_sweep = impl; }
    // A change of look: every finished column is drawn again.
    void restyle();

private:
    TavixSweepChartImpl *m_sweep = nullptr;
};

} // namespace TavixQtLib
