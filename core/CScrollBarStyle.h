#pragma once

#include "tavixqtlib_export.h"

#include <QProxyStyle>

namespace TavixQtLib {

// The application style the kit installs: the platform default style with the library slider's
// thumb length and handle size taken from the slider itself.
class TAVIXQTLIB_EXPORT CScrollBarStyle : public QProxyStyle
{
    Q_OBJECT
public:
    CScrollBarStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl sub,
                         const QWidget *widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget = nullptr) const override;

    // The slider handle: the base style's rectangle resized to thumb and centred across the groove
    // of a widget of widgetSize; its position along the groove is kept.
    static QRect sliderHandleRect(const QRect &baseRect, const QSize &thumb, const QSize &widgetSize,
                                  Qt::Orientation orientation);
};

} // namespace TavixQtLib
