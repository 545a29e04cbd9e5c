#pragma once

#include <QPersistentModelIndex>

#include <functional>

class QAbstractItemView;
class QMouseEvent;
class QPoint;

namespace TavixQtLib {

// The row under a press, recorded by the view before Qt handles the press.
struct TavixItemViewPress
{
    QPersistentModelIndex index;
    bool wasSelected = false;

    void record(const QAbstractItemView *view, const QPoint &pos);
};

// Qt's item views emit clicked and activated in the middle of their release handler and use the view
// afterwards, so a slot that deletes the view would leave Qt running on a destroyed object. For a
// plain click (no modifier, and no drag or edit that Qt decides at the release), the kit's views hand
// Qt the release at a point outside every row, so Qt ends the press without a click, and emit clicked
// and activated themselves once Qt is done. Other releases go to Qt unchanged.
// press is cleared. Returns false when a slot deleted the view.
bool tavixItemViewRelease(QAbstractItemView *view, QMouseEvent *event, TavixItemViewPress &press,
                          const std::function<void(QMouseEvent *)> &qtRelease);

} // namespace TavixQtLib
