#include "controls/charts/TavixQECGChart.h"

#include "controls/charts/TavixQECGChartImpl.h"

#include <algorithm>
#include <cmath>

namespace TavixQtLib {

namespace {

constexpr float kMaxLineWeight = 1000.0f;

} // namespace

TAVIX_DEFINE_CONTROL(TavixQECGChart, "qtecgchart")
TAVIX_DEFINE_FORWARDED_EVENTS(TavixQECGChart, QWidget)

TavixQECGChart::TavixQECGChart(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setBackgroundRole(QPalette::NoRole);
    setAutoFillBackground(false);
    m_impl = new TavixQECGChartImpl(this);
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

void TavixQECGChart::addData(float x, float y)
{
    if (m_impl->points.add(x, y))
        update();
}

void TavixQECGChart::clearData()
{
    m_impl->points.clear();
}

int TavixQECGChart::dataSize() const
{
    return m_impl->points.size();
}

QPointF TavixQECGChart::getAt(int i) const
{
    return m_impl->points.at(i);
}

void TavixQECGChart::popBack()
{
    m_impl->points.popBack();
}

void TavixQECGChart::popFront()
{
    m_impl->points.popFront();
}

void TavixQECGChart::swapData()
{
    m_impl->snapshot = grab().toImage();
}

// Look changes redraw every finished column of the trace.
void TavixQECGChart::setLineColor(const QColor &first, const QColor &second)
{
    m_impl->lineColors[0] = first;
    m_impl->lineColors[1] = second;
    m_impl->points.invalidate();
    update();
}

void TavixQECGChart::setLineWeight(float weight)
{
    if (!std::isfinite(weight) || weight < 0)
        return;
    m_impl->lineWeight = std::min(weight, kMaxLineWeight);
    m_impl->points.invalidate();
    update();
}

float TavixQECGChart::getLineWeight() const
{
    return m_impl->lineWeight;
}

void TavixQECGChart::enableFillColor(bool below, bool above)
{
    m_impl->fillBelow = below;
    m_impl->fillAbove = above;
    m_impl->points.invalidate();
    update();
}

void TavixQECGChart::setBelowFillColor(const QColor &top, const QColor &bottom)
{
    m_impl->belowFillColors[0] = top;
    m_impl->belowFillColors[1] = bottom;
    m_impl->points.invalidate();
    update();
}

void TavixQECGChart::setAboveFillColor(const QColor &top, const QColor &bottom)
{
    m_impl->aboveFillColors[0] = top;
    m_impl->aboveFillColors[1] = bottom;
    m_impl->points.invalidate();
    update();
}

} // namespace TavixQtLib
