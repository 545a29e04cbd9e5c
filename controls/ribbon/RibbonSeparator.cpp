#include "controls/ribbon/RibbonSeparator.h"

#include "resources/TavixPainting.h"

#include <QPainter>

namespace TavixQtLib {

void RibbonSeparator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    tavixFillLine(&painter, QRect(width() / 2, 8, 1, qMax(0, height() - 15)), QColor(198, 206, 216));
}

} // namespace TavixQtLib
