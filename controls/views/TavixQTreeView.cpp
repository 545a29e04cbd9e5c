#include "controls/views/TavixQTreeView.h"

#include "controls/views/TavixItemExtent.h"
#include "controls/views/TavixItemRowStyles.h"
#include "controls/views/TavixQTreeConerWidget.h"
#include "controls/views/TavixQTreeViewImpl.h"
#include "controls/views/TavixQTreeViewItemDelegate.h"
#include "controls/views/TavixQTreeViewport.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace TavixQtLib {

namespace {

constexpr int kTreeDemoRows = 100;

QModelIndex firstColumn(const QModelIndex &index)
{
    return index.isValid() ? index.sibling(index.row(), 0) : QModelIndex();
}

} // namespace

TavixQTreeView::TavixQTreeView(QWidget *parent)
    : QTreeView(parent)
{
    m_impl = new TavixQTreeViewImpl(this);
    m_delegate = new TavixQTreeViewItemDelegate(m_impl, this);
    setItemDelegate(m_delegate);
    m_bars.install(this);
    setHeaderHidden(true);
    m_viewport = new TavixQTreeViewport(m_impl);
    setViewport(m_viewport);
    m_corner = new TavixQTreeConerWidget(m_impl);
    setCornerWidget(m_corner);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    viewport()->installEventFilter(m_impl);
    viewport()->setAttribute(Qt::WA_Hover, true);
    viewport()->setMouseTracking(true);
    setExpandsOnDoubleClick(true);
    setMouseTracking(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Every row has the tree's height, so Qt lays out 100 000 rows without asking each one.
    setUniformRowHeights(true);
    // Last, so that a theme entry also reaches the delegate and the owned bars.
    m_impl->applyTheme();
}

TavixQTreeView::~TavixQTreeView()
{
    viewport()->removeEventFilter(m_impl);
    tavixDestroyImpl(this, m_impl);     // the delegate, corner and viewport hold it weakly
}

TAVIX_DEFINE_CONTROL(TavixQTreeView, "qttree")
TAVIX_DEFINE_VIEW_ROW_BACKGROUND_FORWARDS(TavixQTreeView)
TAVIX_DEFINE_VIEW_ROW_TEXT_FORWARDS(TavixQTreeView)

ControlInfo TavixQTreeView::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQTreeView", "TreeView", "Control TreeView", "tree");

    info.properties.push_back(tavixViewBackgroundRow<TavixQTreeView>());
    // The row backgrounds carry the same label as the tree's background.
    info.properties.push_back(tavixViewItemBackgroundRow<TavixQTreeView>(QStringLiteral("Background")));
    info.properties.push_back(tavixViewItemTextRow<TavixQTreeView>());
    info.properties.push_back(tavixViewItemHeightRow<TavixQTreeView>());
    return info;
}

void TavixQTreeView::setBackground(CommonCtrlState, const FillStyle &style)
{
    m_impl->background = style;
    viewport()->update();
    m_corner->update();
}

void TavixQTreeView::setHeaderBgStyle(CtrlState state, const FillStyle &style)
{
    tavixSetPerState(m_impl->headerBackgrounds, state, style);
}

const FillStyle &TavixQTreeView::getHeaderBgStyle(CtrlState state) const
{
    return m_impl->headerBackgrounds[tavixStateIndex(state)];
}

void TavixQTreeView::setHeaderTextStyle(CtrlState state, const TextStyleDesc &style)
{
    tavixSetPerState(m_impl->headerTextStyles, state, style);
}

const TextStyleDesc &TavixQTreeView::getHeaderTextStyle(CtrlState state) const
{
    return m_impl->headerTextStyles[tavixStateIndex(state)];
}

void TavixQTreeView::setItemHeight(int height)
{
    height = tavixStoredItemExtent(height);
    if (m_impl->itemHeight == height)
        return;
    m_impl->itemHeight = height;
    // Row geometry is cached by the view; a new height needs a new layout.
    doItemsLayout();
    viewport()->update();
}

TAVIX_DEFINE_VIEW_SCROLLBAR_FORWARDS(TavixQTreeView)

void TavixQTreeView::setScrollbarBtnSize(bool horizontal, int size)
{
    m_bars.setButtonSize(horizontal, size);
}

QRect TavixQTreeView::branchRect(const QModelIndex &index) const
{
    const QModelIndex row = firstColumn(index);
    if (!row.isValid() || row.model() != model() || !model()->hasChildren(row)
        || (!rootIsDecorated() && row.parent() == rootIndex()))
        return QRect();
    const QRect item = visualRect(row);
    if (!item.isValid())
        return QRect();
    const int indent = indentation();
    return isRightToLeft() ? QRect(item.right() + 1, item.top(), indent, item.height())
                           : QRect(item.left() - indent, item.top(), indent, item.height());
}

bool TavixQTreeView::onBranch(const QPoint &pos) const
{
    return branchRect(indexAt(pos)).contains(pos);
}

void TavixQTreeView::initDemoData()
{
    QStandardItemModel *previous = m_demoModel;
    m_demoModel = new QStandardItemModel(this);
    for (int i = 0; i < kTreeDemoRows; ++i) {
        auto *parentItem = new QStandardItem(QStringLiteral("item1"));
        parentItem->appendRow({new QStandardItem(QStringLiteral("item2")), new QStandardItem(QStringLiteral("item3"))});
        m_demoModel->appendRow(parentItem);
    }
    // Qt leaves the old selection model to the caller; the one it made for the old model goes too.
    QItemSelectionModel *previousSelection = selectionModel();
    setModel(m_demoModel);
    if (previousSelection && previousSelection->parent() == this)
        delete previousSelection;
    delete previous;
}

template <class Handler>
bool TavixQTreeView::quietly(const QModelIndex &watched, Handler &&handler)
{
    QPointer<TavixQTreeView> alive(this);
    const QPersistentModelIndex row = firstColumn(watched);
    const bool wasExpanded = row.isValid() && isExpanded(row);
    const bool wasBlocked = blockSignals(true);
    handler();
    if (!alive)     // a model's own signals may still reach user code
        return false;
    blockSignals(wasBlocked);
    return emitExpansion(row, wasExpanded);
}

bool TavixQTreeView::emitExpansion(const QPersistentModelIndex &row, bool wasExpanded)
{
    if (!row.isValid() || isExpanded(row) == wasExpanded)
        return true;
    QPointer<TavixQTreeView> alive(this);
    if (wasExpanded)
        emit collapsed(row);
    else
        emit expanded(row);
    return !alive.isNull();
}

void TavixQTreeView::expandBelowQuietly(const QModelIndex &parent, QList<QPersistentModelIndex> &opened)
{
    // The rows that will open, found depth first with an explicit stack (a deep model must not exhaust
    // the call stack); Qt then opens the whole branch in one layout.
    QList<QModelIndex> pending{parent};
    while (!pending.isEmpty()) {
        const QModelIndex index = pending.takeLast();
        if (!model()->hasChildren(index))
            continue;
        if (!isExpanded(index))
            opened.append(index);
        const int rows = model()->rowCount(index);
        for (int r = 0; r < rows; ++r)
            pending.append(model()->index(r, 0, index));
    }
    const QSignalBlocker blocker(this);
    expandRecursively(parent);
}

void TavixQTreeView::paintEvent(QPaintEvent *event)
{
    // Qt routes the viewport's paint events here. The Impl's state follows the enabled state as on every
    // control; the background is painted by the viewport filter, since a painter on the tree itself
    // would paint nothing while the viewport is being painted.
    if (m_impl) {
        if (!isEnabled())
            m_impl->state = Disable;
        else if (m_impl->state == Disable)
            m_impl->state = Normal;
    }
    QTreeView::paintEvent(event);
    if (m_impl)
        m_impl->paintFocusFrame(viewport());
}

void TavixQTreeView::drawBranches(QPainter *painter, const QRect &rect, const QModelIndex &index) const
{
    // The style fills a selected row's indentation with the palette's highlight. The tree's background
    // goes back under the indicators (the whole fill, clipped, so images and gradients line up), and
    // only the themed row shows the selection.
    if (m_impl) {
        painter->save();
        painter->setClipRect(rect, Qt::IntersectClip);
        TavixQWidgetBaseImpl::drawFillStyle(painter, m_impl->background, viewport()->rect());
        painter->restore();
    }
    QTreeView::drawBranches(painter, rect, index);
}

void TavixQTreeView::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->pos();
    const bool branch = onBranch(pos);
    const QPersistentModelIndex index = indexAt(pos);
    if (branch) {
        m_press = TavixItemViewPress();
        m_pressedIndex = QPersistentModelIndex();
    } else {
        m_press.record(this, pos);
        m_pressedIndex = index;
    }
    QPointer<TavixQTreeView> alive(this);
    if (!quietly(index, [&] { QTreeView::mousePressEvent(event); }))
        return;
    if (m_impl)
        m_impl->mousePressEvent(event);
    if (!branch && index.isValid() && (index.flags() & Qt::ItemIsEnabled))
        emit pressed(index);
}

void TavixQTreeView::mouseReleaseEvent(QMouseEvent *event)
{
    QPointer<TavixQTreeView> alive(this);
    // The Impl's state machine runs before any signal, since a slot may delete the tree.
    if (m_impl)
        m_impl->mouseReleaseEvent(event);
    if (m_releaseAfterDoubleClick) {
        // The double click ended the press; Qt gets the release away from every row, so that it opens
        // no editor for a selected row.
        m_releaseAfterDoubleClick = false;
        m_press = TavixItemViewPress();
        QMouseEvent outside = tavixMouseEventAt(event, QPointF(-1, -1));
        quietly(QModelIndex(), [&] { QTreeView::mouseReleaseEvent(&outside); });
        event->setAccepted(outside.isAccepted());
        return;
    }
    const QPersistentModelIndex index = indexAt(event->pos());
    // A release on an indicator opens or closes the row (when the style says so) and is never a click;
    // neither is a release while an editor is open.
    const bool click = index.isValid() && index == m_press.index && !onBranch(event->pos())
        && state() != QAbstractItemView::EditingState;
    m_press = TavixItemViewPress();
    // Qt decides selection, drags and edits from the real release; its signals wait for the tree.
    if (!quietly(index, [&] { QTreeView::mouseReleaseEvent(event); }) || !click)
        return;
    if (event->button() == Qt::LeftButton) {
        emit clicked(index);
        if (!alive)
            return;
    }
    // A release that opened an editor (a click on a selected row) activates nothing, as in Qt.
    if (state() == QAbstractItemView::EditingState || !index.isValid())
        return;
    if ((index.flags() & Qt::ItemIsEnabled)
        && style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr, this))
        emit activated(index);
}

void TavixQTreeView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint pos = event->pos();
    const QPersistentModelIndex index = indexAt(pos);
    // On an indicator, outside the rows or while editing, Qt's handler emits nothing.
    if (state() != NoState || !viewport()->rect().contains(pos) || onBranch(pos) || !index.isValid()) {
        quietly(QModelIndex(), [&] { QTreeView::mouseDoubleClickEvent(event); });
        return;
    }
    // A double click on another row than the last press is a press there.
    if (m_pressedIndex != index) {
        mousePressEvent(event);
        return;
    }
    QPointer<TavixQTreeView> alive(this);
    m_press = TavixItemViewPress();
    m_releaseAfterDoubleClick = true;
    emit doubleClicked(index);
    if (!alive || !index.isValid())
        return;
    if (edit(index, QAbstractItemView::DoubleClicked, event) || state() != NoState)
        return;
    if (!style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr, this)) {
        emit activated(index);
        if (!alive || !index.isValid())
            return;
    }
    m_pressedIndex = QPersistentModelIndex();
    const QPersistentModelIndex row = firstColumn(index);
    if (itemsExpandable() && expandsOnDoubleClick() && model()->hasChildren(row)) {
        const bool wasExpanded = isExpanded(row);
        {
            const QSignalBlocker blocker(this);
            setExpanded(row, !wasExpanded);
        }
        emitExpansion(row, wasExpanded);
    }
}

void TavixQTreeView::keyPressEvent(QKeyEvent *event)
{
    QPointer<TavixQTreeView> alive(this);
    const QPersistentModelIndex current = currentIndex();
    if (event->key() == Qt::Key_Asterisk && current.isValid() && itemsExpandable()) {
        // The whole branch opens; each row opened is announced once the tree is done.
        QList<QPersistentModelIndex> opened;
        expandBelowQuietly(firstColumn(current), opened);
        if (!quietly(QModelIndex(), [&] { QAbstractItemView::keyPressEvent(event); }))
            return;
        for (const QPersistentModelIndex &index : qAsConst(opened)) {
            if (!index.isValid())
                continue;
            emit expanded(index);
            if (!alive)
                return;
        }
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool editing = state() == QAbstractItemView::EditingState;
    if (!quietly(current, [&] { QTreeView::keyPressEvent(event); }))
        return;
    if (enter && (!editing || hasFocus()) && currentIndex().isValid())
        emit activated(currentIndex());
}

void TavixQTreeView::mouseMoveEvent(QMouseEvent *event)
{
    QPointer<TavixQTreeView> alive(this);
    if (!quietly(QModelIndex(), [&] { QTreeView::mouseMoveEvent(event); }))
        return;
    if (m_impl)
        m_impl->mouseMoveEvent(event);
    const QPersistentModelIndex index = indexAt(event->pos());
    if (index == m_entered)
        return;
    m_entered = index;
    if (index.isValid())
        emit entered(index);
    else
        emit viewportEntered();
}

void TavixQTreeView::leaveEvent(QEvent *event)
{
    QPointer<TavixQTreeView> alive(this);
    m_entered = QPersistentModelIndex();
    QTreeView::leaveEvent(event);
    if (alive && m_impl)
        m_impl->leaveEvent(event);
}

TAVIX_DEFINE_FORWARDED_EVENT(TavixQTreeView, QTreeView, enterEvent, TavixEnterEvent)

} // namespace TavixQtLib
