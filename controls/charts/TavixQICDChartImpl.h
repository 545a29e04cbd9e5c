#pragma once

#include "controls/charts/TavixSweepTrace.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QImage>

namespace TavixQtLib {

class TAVIXQTLIB_EXPORT TavixQICDChartImpl : public TavixQWidgetBaseImpl
{
public:
    explicit TavixQICDChartImpl(QWidget *widget);

    void paint(QPainter *painter, const QRect &rect) override;

    static constexpr int kBaselineY = 40;

    QColor lineColors[2] = {QColor(0, 255, 0), QColor(0, 255, 0)};
    TavixSweepTrace points;
    QImage snapshot;
    float lineWeight = 1.0f;
    int icdType = 0;
};

} // namespace TavixQtLib
