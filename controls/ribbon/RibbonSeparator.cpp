#include "controls/ribbon/RibbonSeparator.h"

#include <QPainter>

namespace TavixQtLib {

void RibbonSeparator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(198, 206, 216));
    painter.drawLine(width() / 2, 8, width() / 2, height() - 8);
}

} // namespace TavixQtLib
