#include "controls/views/TavixItemViewClicks.h"

#include "core/TavixQtCompat.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>

namespace TavixQtLib {

namespace {

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
// The view's own selection command for an event, which is protected.
struct SelectionCommandAccess : QAbstractItemView
{
    static QItemSelectionModel::SelectionFlags of(const QAbstractItemView *view, const QModelIndex &index,
                                                  const QEvent *event)
    {
        return (view->*(&SelectionCommandAccess::selectionCommand))(index, event);
    }
};
#endif

} // namespace

void TavixItemViewPress::record(const QAbstractItemView *view, const QPoint &pos)
{
    index = view->indexAt(pos);
    wasSelected = index.isValid() && view->selectionModel() && view->selectionModel()->isSelected(index);
}

bool tavixItemViewRelease(QAbstractItemView *view, QMouseEvent *event, TavixItemViewPress &press,
                          const std::function<void(QMouseEvent *)> &qtRelease)
{
    QPointer<QAbstractItemView> alive(view);
    const QPersistentModelIndex index = view->indexAt(event->pos());
    const bool click = index.isValid() && index == press.index;
    // Qt selects at the release after a deferred press (modifiers, drags) and edits a selected row on
    // SelectedClicked; those releases must reach Qt with their own position.
    const bool decidedAtRelease = event->modifiers() != Qt::NoModifier
        || (press.wasSelected && (view->dragEnabled() || (view->editTriggers() & QAbstractItemView::SelectedClicked)));
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 leaves the selection of a press on a selected row to the release in single and extended
    // selection. The outside release would apply it to no row (clearing the selection), so Qt sees no
    // selection mode for it and the view applies its command to the row itself.
    const QAbstractItemView::SelectionMode mode = view->selectionMode();
    const bool deferredSelection = press.wasSelected
        && (mode == QAbstractItemView::SingleSelection || mode == QAbstractItemView::ExtendedSelection);
#endif
    press = TavixItemViewPress();
    if (!click || decidedAtRelease) {
        qtRelease(event);
        return !alive.isNull();
    }
    QMouseEvent outside = tavixMouseEventAt(event, QPointF(-1, -1));
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    if (deferredSelection)
        view->setSelectionMode(QAbstractItemView::NoSelection);
    qtRelease(&outside);
    if (alive && deferredSelection) {
        view->setSelectionMode(mode);
        if (view->selectionModel())
            view->selectionModel()->select(index, SelectionCommandAccess::of(view, index, event));
    }
#else
    qtRelease(&outside);
#endif
    event->setAccepted(outside.isAccepted());
    if (!alive)
        return false;
    if (event->button() == Qt::LeftButton) {
        emit view->clicked(index);
        if (!alive)
            return false;
    }
    if (index.isValid() && (index.flags() & Qt::ItemIsEnabled)
        && view->style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr, view)) {
        emit view->activated(index);
    }
    return !alive.isNull();
}

} // namespace TavixQtLib
