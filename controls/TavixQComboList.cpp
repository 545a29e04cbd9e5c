#include "controls/TavixQComboList.h"

#include "controls/TavixQComboBoxImpl.h"
#include "controls/TavixQComboItemDelegate.h"
#include "controls/TavixQScrollBar.h"

#include <QEvent>
#include <QPainter>

namespace TavixQtLib {

TavixQComboList::TavixQComboList(TavixQComboBoxImpl *impl, QWidget *parent)
    : QListView(parent)
    , m_impl(impl)
{
    m_delegate = new TavixQComboItemDelegate(impl, this);
    setItemDelegate(m_delegate);
    viewport()->installEventFilter(this);
    // Hover events tell the view which row is under the pointer.
    viewport()->setAttribute(Qt::WA_Hover, true);
    setFrameStyle(0);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    m_bar = new TavixQScrollBar(Qt::Vertical, this);
    setVerticalScrollBar(m_bar);
}

TavixQComboList::~TavixQComboList()
{
    viewport()->removeEventFilter(this);
}

void TavixQComboList::setImpl(TavixQComboBoxImpl *impl)
{
    m_impl = impl;
    m_delegate->setImpl(impl);
}

bool TavixQComboList::eventFilter(QObject *watched, QEvent *event)
{
    if (m_impl && watched == viewport() && event->type() == QEvent::Paint) {
        QPainter painter(viewport());
        TavixQWidgetBaseImpl::drawFillStyle(&painter, m_impl->popupBackground, viewport()->rect());
    }
    return QListView::eventFilter(watched, event);
}

} // namespace TavixQtLib
