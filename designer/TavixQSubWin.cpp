#include "designer/TavixQSubWin.h"

#include "designer/TavixQWindowImpl.h"

#include <QMouseEvent>

namespace TavixQtLib {

TavixQSubWin::TavixQSubWin(QWidget *parent)
    : QWidget(parent)
    , TavixQFramelessWindow(this, typeName(), true)
{
}

TavixQSubWin::~TavixQSubWin() = default;

void TavixQSubWin::paintEvent(QPaintEvent *event)
{
    if (m_impl)
        m_impl->paintEvent(event);
}

// The window's own handling runs before Qt's, which then ignores the event: a press on a sub-window
// also reaches its parent, where windowPressActive keeps a parent window from starting a drag too.
void TavixQSubWin::mousePressEvent(QMouseEvent *event)
{
    if (m_impl)
        m_impl->mousePressEvent(event);   // does nothing while a sub-window holds the mouse
    QWidget::mousePressEvent(event);
}

void TavixQSubWin::mouseMoveEvent(QMouseEvent *event)
{
    if (m_impl)
        m_impl->mouseMoveEvent(event);
    QWidget::mouseMoveEvent(event);
}

void TavixQSubWin::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_impl)
        m_impl->mouseReleaseEvent(event);
    QWidget::mouseReleaseEvent(event);
}

void TavixQSubWin::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_impl)
        m_impl->mouseDoubleClickEvent(event);
    QWidget::mouseDoubleClickEvent(event);
}

void TavixQSubWin::resizeEvent(QResizeEvent *event)
{
    if (m_impl)
        m_impl->resizeChildren();
    QWidget::resizeEvent(event);
}

} // namespace TavixQtLib
