#pragma once

#include "controls/charts/TavixSweepTrace.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QImage>

namespace TavixQtLib {

// What the ECG and ICD charts share: the points, the earlier sweep's picture and the pen.
class TAVIXQTLIB_EXPORT TavixSweepChartImpl : public TavixQWidgetBaseImpl
{
public:
    TavixSweepChartImpl(QWidget *widget, const QString &typeName, float weight)
        : TavixQWidgetBaseImpl(widget, typeName)
        , lineWeight(weight)
    {
    }

    QColor lineColors[2] = {QColor(0, 255, 0), QColor(0, 255, 0)};   // only the first draws
    TavixSweepTrace points;
    QImage snapshot;
    float lineWeight;
};

} // namespace TavixQtLib
