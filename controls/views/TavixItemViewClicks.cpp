#include "controls/views/TavixItemViewClicks.h"

#include "core/TavixQtCompat.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>

namespace TavixQtLib {

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
    press = TavixItemViewPress();
    if (!click || decidedAtRelease) {
        qtRelease(event);
        return !alive.isNull();
    }
    QMouseEvent outside = tavixMouseEventAt(event, QPointF(-1, -1));
    qtRelease(&outside);
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
