#include "controls/ribbon/TavixQRibbonPushButton.h"

#include "controls/TavixQPushButtonImpl.h"

namespace TavixQtLib {

TavixQRibbonPushButton::TavixQRibbonPushButton(QWidget *parent, int style)
    : TavixQPushButton(parent)
    , m_style(style)
{
    setAttribute(Qt::WA_MouseTracking, true);
    // Theme changes reach every control; without a theme name this one keeps the bar's looks.
    if (TavixQPushButtonImpl *impl = getImpl())
        impl->themeName.clear();
}

void TavixQRibbonPushButton::setRibbonButtonStyle(int style)
{
    m_style = style;
    updateGeometry();
}

QSize TavixQRibbonPushButton::sizeHint() const
{
    return m_style == RibbonButtonSmall || m_style == RibbonButtonDefault ? QSize(92, 24) : QSize(72, 68);
}

} // namespace TavixQtLib
