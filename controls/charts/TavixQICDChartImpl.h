#pragma once

#include "controls/charts/TavixSweepChartImpl.h"
#include "tavixqtlib_export.h"

namespace TavixQtLib {

class TAVIXQTLIB_EXPORT TavixQICDChartImpl : public TavixSweepChartImpl
{
public:
    explicit TavixQICDChartImpl(QWidget *widget);

    void paint(QPainter *painter, const QRect &rect) override;

    static constexpr int kBaselineY = 40;

    int icdType = 0;
};

} // namespace TavixQtLib
