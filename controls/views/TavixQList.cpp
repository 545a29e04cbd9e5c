#include "controls/views/TavixQList.h"

#include "controls/views/TavixItemExtent.h"
#include "controls/views/TavixItemRowStyles.h"
#include "controls/views/TavixItemViewClicks.h"
#include "controls/views/TavixQListImpl.h"
#include "controls/views/TavixQListItemDelegate.h"

#include <QMouseEvent>
#include <QPointer>

namespace TavixQtLib {

TavixQList::TavixQList(QWidget *parent)
    : QListWidget(parent)
{
    m_impl = new TavixQListImpl(this);
    m_delegate = new TavixQListItemDelegate(m_impl, this);
    setItemDelegate(m_delegate);
    m_bars.install(this);
    setFrameStyle(0);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    viewport()->installEventFilter(m_impl);
    viewport()->setAttribute(Qt::WA_Hover, true);
    setMouseTracking(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Every row has the list's height, so Qt lays out 100 000 rows without asking each one.
    setUniformItemSizes(true);
    // Last, so that a theme entry also reaches the delegate and the owned bars.
    m_impl->applyTheme();
}

TavixQList::~TavixQList()
{
    viewport()->removeEventFilter(m_impl);
    delete m_delegate;      // it holds the Impl
    m_delegate = nullptr;
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQList, "qtlist")
TAVIX_DEFINE_VIEW_ROW_BACKGROUND_FORWARDS(TavixQList)
TAVIX_DEFINE_VIEW_ROW_TEXT_FORWARDS(TavixQList)

ControlInfo TavixQList::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQList", "List", "Control List", "list");

    info.properties.push_back(tavixViewBackgroundRow<TavixQList>());
    info.properties.push_back(tavixViewItemBackgroundRow<TavixQList>(QStringLiteral("ItemBackground")));
    info.properties.push_back(tavixViewItemTextRow<TavixQList>());

    PropertyDef multi = tavixPropertyDef(QStringLiteral("MultiSelect"), Bool);
    multi.setBool = tavixBindAccessor(&TavixQList::setIsMultiSelected);
    multi.getBool = tavixBindAccessor(&TavixQList::getIsMultiSelected);
    info.properties.push_back(multi);

    info.properties.push_back(tavixViewItemHeightRow<TavixQList>());
    return info;
}

void TavixQList::setBackground(CommonCtrlState, const FillStyle &style)
{
    m_impl->background = style;
    viewport()->update();
}

void TavixQList::setItemHeight(int height)
{
    height = tavixStoredItemExtent(height);
    if (m_impl->itemHeight == height)
        return;
    m_impl->itemHeight = height;
    // Row geometry is cached by the view; a new height needs a new layout.
    doItemsLayout();
    viewport()->update();
}

void TavixQList::setIsMultiSelected(bool multi)
{
    setSelectionMode(multi ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
}

bool TavixQList::getIsMultiSelected() const
{
    return selectionMode() != QAbstractItemView::SingleSelection;
}

TAVIX_DEFINE_VIEW_SCROLLBAR_FORWARDS(TavixQList)

void TavixQList::mousePressEvent(QMouseEvent *event)
{
    m_press.record(this, event->pos());
    QPointer<TavixQList> alive(this);
    QListWidget::mousePressEvent(event);
    if (alive && m_impl)
        m_impl->mousePressEvent(event);
}

void TavixQList::mouseReleaseEvent(QMouseEvent *event)
{
    // The Impl's state machine runs before clicked is emitted, since a slot may delete the list.
    if (m_impl)
        m_impl->mouseReleaseEvent(event);
    tavixItemViewRelease(this, event, m_press, [this](QMouseEvent *e) { QListWidget::mouseReleaseEvent(e); });
}

void TavixQList::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_press.record(this, event->pos());
    QListWidget::mouseDoubleClickEvent(event);
}

TAVIX_DEFINE_FORWARDED_EVENT(TavixQList, QListWidget, enterEvent, TavixEnterEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQList, QListWidget, leaveEvent, QEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQList, QListWidget, mouseMoveEvent, QMouseEvent)

void TavixQList::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    if (m_impl)
        m_impl->paintFocusFrame(viewport());
}

} // namespace TavixQtLib
