#pragma once

#include "controls/charts/TavixQSweepChart.h"
#include "core/TavixControlDeclare.h"
#include "tavixqtlib_export.h"

#include <QColor>

namespace TavixQtLib {

class TavixQECGChartImpl;

// A sweeping ECG trace, antialiased, with optional vertical gradient fills below and above it.
class TAVIXQTLIB_EXPORT TavixQECGChart : public TavixQSweepChart
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQECGChart)
    TAVIX_DECLARE_FORWARDED_EVENTS
public:
    explicit TavixQECGChart(QWidget *parent = nullptr);
    ~TavixQECGChart() override;

    // The fills need more than two points.
    void enableFillColor(bool below, bool above);
    // From the top edge (first colour) to the bottom edge (second).
    void setBelowFillColor(const QColor &top, const QColor &bottom);
    void setAboveFillColor(const QColor &top, const QColor &bottom);
};

} // namespace TavixQtLib
