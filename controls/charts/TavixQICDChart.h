#pragma once

#include "controls/charts/TavixQSweepChart.h"
#include "core/TavixControlDeclare.h"
#include "tavixqtlib_export.h"

namespace TavixQtLib {

class TavixQICDChartImpl;

// 0: the points as a polyline; 1: a flat baseline at y = 40; other values: no trace.
using TavixQtICDType = int;

// The ICD companion of the ECG chart: no fills, no antialiasing, a 1-pixel pen, and a drawing type
// that can replace the trace by a baseline.
class TAVIXQTLIB_EXPORT TavixQICDChart : public TavixQSweepChart
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQICDChart)
    TAVIX_DECLARE_FORWARDED_EVENTS
public:
    explicit TavixQICDChart(QWidget *parent = nullptr);
    ~TavixQICDChart() override;

    // Takes effect at the next repaint.
    void setICDType(TavixQtICDType type);
    TavixQtICDType getICDType() const;
};

} // namespace TavixQtLib
