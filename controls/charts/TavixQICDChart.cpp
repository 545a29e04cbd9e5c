#include "controls/charts/TavixQICDChart.h"

#include "controls/charts/TavixQICDChartImpl.h"

#include <algorithm>
#include <cmath>

namespace TavixQtLib {

namespace {

constexpr float kMaxLineWeight = 1000.0f;

} // namespace

TAVIX_DEFINE_CONTROL(TavixQICDChart, "qticdchart")
TAVIX_DEFINE_FORWARDED_EVENTS(TavixQICDChart, QWidget)

TavixQICDChart::TavixQICDChart(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setBackgroundRole(QPalette::NoRole);
    setAutoFillBackground(false);
    m_impl = new TavixQICDChartImpl(this);
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

void TavixQICDChart::addData(float x, float y)
{
    if (m_impl->points.add(x, y))
        update();
}

void TavixQICDChart::clearData()
{
    m_impl->points.clear();
}

int TavixQICDChart::dataSize() const
{
    return m_impl->points.size();
}

QPointF TavixQICDChart::getAt(int i) const
{
    return m_impl->points.at(i);
}

void TavixQICDChart::popBack()
{
    m_impl->points.popBack();
}

void TavixQICDChart::popFront()
{
    m_impl->points.popFront();
}

void TavixQICDChart::swapData()
{
    m_impl->snapshot = grab().toImage();
}

// Look changes redraw every finished column of the trace.
void TavixQICDChart::setLineColor(const QColor &first, const QColor &second)
{
    m_impl->lineColors[0] = first;
    m_impl->lineColors[1] = second;
    m_impl->points.invalidate();
    update();
}

void TavixQICDChart::setLineWeight(float weight)
{
    if (!std::isfinite(weight) || weight < 0)
        return;
    m_impl->lineWeight = std::min(weight, kMaxLineWeight);
    m_impl->points.invalidate();
    update();
}

float TavixQICDChart::getLineWeight() const
{
    return m_impl->lineWeight;
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
