#include "controls/ribbon/TavixQRibbonPushButton.h"

#include "controls/TavixQPushButtonImpl.h"
#include "resources/TavixPainting.h"

#include <algorithm>

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
    const bool small = m_style == RibbonButtonSmall || m_style == RibbonButtonDefault;
    const QSize base = small ? QSize(92, 24) : QSize(72, 68);
    // A caption wider than the usual cell widens the command instead of being cut; the caption sits beside
    // the 24-pixel icon column of a small command, under the icon of a large one.
    const TavixQPushButtonImpl *impl = getImpl();
    if (!impl || text().isEmpty())
        return base;
    const int caption = tavixMeasureText(impl->textStyles[0], text()).width() + 8 + (small ? 24 : 0);
    return QSize(std::max(base.width(), caption), base.height());
}

} // namespace TavixQtLib
