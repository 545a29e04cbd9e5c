#include "controls/charts/TavixQSweepChart.h"

#include "controls/charts/TavixSweepChartImpl.h"

#include <algorithm>
#include <cmath>

namespace TavixQtLib {

namespace {

constexpr float kMaxLineWeight = 1000.0f;

} // namespace

TavixQSweepChart::TavixQSweepChart(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setBackgroundRole(QPalette::NoRole);
    setAutoFillBackground(false);
}

void TavixQSweepChart::addData(float x, float y)
{
    if (m_sweep->points.add(x, y))
        update();
}

void TavixQSweepChart::clearData()
{
    m_sweep->points.clear();
}

int TavixQSweepChart::dataSize() const
{
    return m_sweep->points.size();
}

QPointF TavixQSweepChart::getAt(int i) const
{
    return m_sweep->points.at(i);
}

void TavixQSweepChart::popBack()
{
    m_sweep->points.popBack();
}

void TavixQSweepChart::popFront()
{
    m_sweep->points.popFront();
}

void TavixQSweepChart::swapData()
{
    m_sweep->snapshot = grab().toImage();
}

void TavixQSweepChart::restyle()
{
    m_sweep->points.invalidate();
    update();
}

void TavixQSweepChart::setLineColor(const QColor &first, const QColor &second)
{
    m_sweep->lineColors[0] = first;
    m_sweep->lineColors[1] = second;
    restyle();
}

void TavixQSweepChart::setLineWeight(float weight)
{
    if (!std::isfinite(weight) || weight < 0)
        return;
    m_sweep->lineWeight = std::min(weight, kMaxLineWeight);
    restyle();
}

float TavixQSweepChart::getLineWeight() const
{
    return m_sweep->lineWeight;
}

} // namespace TavixQtLib
