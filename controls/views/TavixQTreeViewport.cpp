#include "controls/views/TavixQTreeViewport.h"

#include "controls/views/TavixQTreeViewImpl.h"

#include <QPainter>

namespace TavixQtLib {

TavixQTreeViewport::TavixQTreeViewport(TavixQTreeViewImpl *impl, QWidget *parent)
    : QWidget(parent)
    , m_impl(impl)
{
}

void TavixQTreeViewport::paintEvent(QPaintEvent *)
{
    if (!m_impl)
        return;
    QPainter painter(this);
    TavixQWidgetBaseImpl::drawFillStyle(&painter, m_impl->background, rect());
}

} // namespace TavixQtLib
