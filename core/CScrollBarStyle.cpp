#include "core/CScrollBarStyle.h"

#include "controls/TavixQSlider.h"

namespace TavixQtLib {

// A null base makes QProxyStyle build the platform default style on first use.
CScrollBarStyle::CScrollBarStyle()
    : QProxyStyle(static_cast<QStyle *>(nullptr))
{
}

int CScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (metric == PM_SliderLength)
        if (auto *slider = qobject_cast<const TavixQSlider *>(widget))
            return slider->getSliderLength();
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect CScrollBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                      SubControl sub, const QWidget *widget) const
{
    const QRect rect = QProxyStyle::subControlRect(control, option, sub, widget);
    if (control == CC_Slider && sub == SC_SliderHandle)
        if (auto *slider = qobject_cast<const TavixQSlider *>(widget))
            return sliderHandleRect(rect, slider->getThumbBtnSize(), slider->size(), slider->orientation());
    return rect;
}

QRect CScrollBarStyle::subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const
{
    return QProxyStyle::subElementRect(element, option, widget);
}

QRect CScrollBarStyle::sliderHandleRect(const QRect &baseRect, const QSize &thumb, const QSize &widgetSize,
                                        Qt::Orientation orientation)
{
    QRect rect = baseRect;
    rect.setSize(thumb);
    if (orientation == Qt::Horizontal)
        rect.moveTop((widgetSize.height() - thumb.height()) / 2);
    else
        rect.moveLeft((widgetSize.width() - thumb.width()) / 2);
    return rect;
}

} // namespace TavixQtLib
