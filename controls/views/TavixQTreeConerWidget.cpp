#include "controls/views/TavixQTreeConerWidget.h"

#include "controls/views/TavixQTreeViewImpl.h"

#include <QPainter>

namespace TavixQtLib {

TavixQTreeConerWidget::TavixQTreeConerWidget(TavixQTreeViewImpl *impl, QWidget *parent)
    : QWidget(parent)
    , m_impl(impl)
{
}

void TavixQTreeConerWidget::paintEvent(QPaintEvent *)
{
    if (!m_impl)
        return;
    QPainter painter(this);
    TavixQWidgetBaseImpl::drawFillStyle(&painter, m_impl->background, rect());
}

} // namespace TavixQtLib
