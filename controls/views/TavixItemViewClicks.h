#pragma once

#include <QPersistentModelIndex>

#include <functional>

class QAbstractItemView;
class QMouseEvent;

namespace TavixQtLib {

// Qt's item views emit clicked and activated in the middle of their release handler and use the view
// afterwards, so a slot that deletes the view would leave Qt running on a destroyed object. For a
// click, the kit's views hand Qt the release at a point outside every row (Qt then ends the press
// without a click) and emit clicked and activated themselves once Qt is done.
// pressed is the index recorded at the press; it is cleared. Returns false when a slot deleted the view.
bool tavixItemViewRelease(QAbstractItemView *view, QMouseEvent *event, QPersistentModelIndex &pressed,
                          const std::function<void(QMouseEvent *)> &qtRelease);

} // namespace TavixQtLib
