#include "controls/charts/TavixQECGChart.h"

#include "controls/charts/TavixQECGChartImpl.h"

namespace TavixQtLib {

TAVIX_DEFINE_CONTROL(TavixQECGChart, "qtecgchart")
TAVIX_DEFINE_FORWARDED_EVENTS(TavixQECGChart, QWidget)

TavixQECGChart::TavixQECGChart(QWidget *parent)
    : TavixQSweepChart(parent)
{
    m_impl = new TavixQECGChartImpl(this);
    setSweep(m_impl);
    m_impl->applyTheme();
}

TavixQECGChart::~TavixQECGChart()
{
    tavixDestroyImpl(this, m_impl);
}

// Not in the registry and not offered to the designer: hosts create charts in code.
ControlInfo TavixQECGChart::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQECGChart";
    info.displayName = "ECGChart";
    info.properties = tavixCommonPropertyDefs();
    return info;
}

void TavixQECGChart::enableFillColor(bool below, bool above)
{
    m_impl->fillBelow = below;
    m_impl->fillAbove = above;
    restyle();
}

void TavixQECGChart::setBelowFillColor(const QColor &top, const QColor &bottom)
{
    m_impl->belowFillColors[0] = top;
    m_impl->belowFillColors[1] = bottom;
    restyle();
}

void TavixQECGChart::setAboveFillColor(const QColor &top, const QColor &bottom)
{
    m_impl->aboveFillColors[0] = top;
    m_impl->aboveFillColors[1] = bottom;
    restyle();
}

} // namespace TavixQtLib
