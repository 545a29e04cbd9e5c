#pragma once

#include "core/TavixControlDeclare.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QPointF>
#include <QWidget>

namespace TavixQtLib {

class TavixQICDChartImpl;

// 0: the points as a polyline; 1: a flat baseline at y = 40; other values: no trace.
using TavixQtICDType = int;

// The ICD companion of the ECG chart: the same points and earlier-sweep picture, no fills, no
// antialiasing, a 1-pixel pen, and a drawing type that can replace the trace by a baseline.
class TAVIXQTLIB_EXPORT TavixQICDChart : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQICDChart)
    TAVIX_DECLARE_FORWARDED_EVENTS
public:
    explicit TavixQICDChart(QWidget *parent = nullptr);
    ~TavixQICDChart() override;

    // As on the ECG chart: NaN or infinite points are not taken.
    void addData(float x, float y);
    void clearData();
    int dataSize() const;
    QPointF getAt(int i) const;
    void popBack();
    void popFront();
    void swapData();
    void setLineColor(const QColor &first, const QColor &second);
    void setLineWeight(float weight);
    float getLineWeight() const;
    // Takes effect at the next repaint.
    void setICDType(TavixQtICDType type);
    TavixQtICDType getICDType() const;
};

} // namespace TavixQtLib
