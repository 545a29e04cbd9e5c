#include "controls/charts/TavixQICDChart.h"

#include "controls/charts/TavixQICDChartImpl.h"

namespace TavixQtLib {

TAVIX_DEFINE_CONTROL(TavixQICDChart, "qticdchart")
TAVIX_DEFINE_FORWARDED_EVENTS(TavixQICDChart, QWidget)

TavixQICDChart::TavixQICDChart(QWidget *parent)
    : TavixQSweepChart(parent)
{
    m_impl = new TavixQICDChartImpl(this);
    setSweep(m_impl);
    m_impl->applyTheme();
}

TavixQICDChart::~TavixQICDChart()
{
    tavixDestroyImpl(this, m_impl);
}

// Not in the registry and not offered to the designer: hosts create charts in code.
ControlInfo TavixQICDChart::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQICDChart";
    info.displayName = "ICDChart";
    info.properties = tavixCommonPropertyDefs();
    return info;
}

void TavixQICDChart::setICDType(TavixQtICDType type)
{
    m_impl->icdType = type;
}

TavixQtICDType TavixQICDChart::getICDType() const
{
    return m_impl->icdType;
}

} // namespace TavixQtLib
