#include "controls/views/TavixItemViewClicks.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>

namespace TavixQtLib {

bool tavixItemViewRelease(QAbstractItemView *view, QMouseEvent *event, QPersistentModelIndex &pressed,
                          const std::function<void(QMouseEvent *)> &qtRelease)
{
    QPointer<QAbstractItemView> alive(view);
    const QPersistentModelIndex index = view->indexAt(event->pos());
    const bool click = index.isValid() && index == pressed;
    pressed = QPersistentModelIndex();
    if (!click) {
        qtRelease(event);
        return !alive.isNull();
    }
    QMouseEvent outside(event->type(), QPointF(-1, -1), event->windowPos(), event->screenPos(), event->button(),
                        event->buttons(), event->modifiers());
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
