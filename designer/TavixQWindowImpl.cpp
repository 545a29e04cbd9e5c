#include "designer/TavixQWindowImpl.h"

#include "core/ITavixQWidgetBase.h"
#include "core/TavixQWidgetBase.h"
#include "core/TavixQtCompat.h"

#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <climits>

namespace TavixQtLib {

bool TavixQWindowImpl::windowPressActive = false;

namespace {

// One axis of a border drag. The edge under the pointer follows it until the size reaches its minimum;
// there the opposite edge stays put and the drag edge stops. nearEdge is the left or top edge.
struct AxisStep
{
    int size;       // the new size
    int edgeMove;   // how far the dragged edge moved along the axis (positive: right or down)
};

AxisStep resizeAxis(int size, int delta, bool nearEdge, int minimum)
{
    const qint64 wanted = nearEdge ? qint64(size) - delta : qint64(size) + delta;
    const int newSize = int(qBound(qint64(minimum), wanted, qint64(QWIDGETSIZE_MAX)));
    return {newSize, nearEdge ? size - newSize : newSize - size};
}

bool zoneTouchesLeft(int zone)
{
    return zone == TavixQWindowImpl::LeftZone || zone == TavixQWindowImpl::TopLeftZone
        || zone == TavixQWindowImpl::BottomLeftZone;
}

bool zoneTouchesRight(int zone)
{
    return zone == TavixQWindowImpl::RightZone || zone == TavixQWindowImpl::TopRightZone
        || zone == TavixQWindowImpl::BottomRightZone;
}

bool zoneTouchesTop(int zone)
{
    return zone == TavixQWindowImpl::TopZone || zone == TavixQWindowImpl::TopLeftZone
        || zone == TavixQWindowImpl::TopRightZone;
}

bool zoneTouchesBottom(int zone)
{
    return zone == TavixQWindowImpl::BottomZone || zone == TavixQWindowImpl::BottomLeftZone
        || zone == TavixQWindowImpl::BottomRightZone;
}

} // namespace

TavixQWindowImpl::TavixQWindowImpl(QWidget *window, const QString &typeName, bool isSubWindow)
    : TavixQWidgetBaseImpl(window, typeName)
    , subWindow(isSubWindow)
{
    backgroundColor.border = true;   // with no border width it still draws no border
}

TavixQWindowImpl::~TavixQWindowImpl()
{
    // A sub-window destroyed while holding the mouse would otherwise lock every kit window's presses.
    if (holdsPress)
        windowPressActive = false;
}

int TavixQWindowImpl::zoneAt(const QPoint &pos, const QSize &size, int border)
{
    const bool inLeft = pos.x() < border;
    const bool inTop = pos.y() < border;
    const bool inRight = pos.x() > size.width() - border;
    const bool inBottom = pos.y() > size.height() - border;
    if (inBottom && inRight)
        return BottomRightZone;
    if (inTop && inLeft)
        return TopLeftZone;
    if (inBottom && inLeft)
        return BottomLeftZone;
    if (inTop && inRight)
        return TopRightZone;
    if (inLeft)
        return LeftZone;
    if (inRight)
        return RightZone;
    if (inTop)
        return TopZone;
    if (inBottom)
        return BottomZone;
    return NoZone;
}

Qt::CursorShape TavixQWindowImpl::zoneCursor(int zone)
{
    switch (zone) {
    case TopLeftZone:
    case BottomRightZone:
        return Qt::SizeFDiagCursor;
    case BottomLeftZone:
    case TopRightZone:
        return Qt::SizeBDiagCursor;
    case LeftZone:
    case RightZone:
        return Qt::SizeHorCursor;
    case TopZone:
    case BottomZone:
        return Qt::SizeVerCursor;
    default:
        return Qt::ArrowCursor;
    }
}

QWidget *TavixQWindowImpl::hitTest(QWidget *w, int x, int y) const
{
    if (!w || !w->isVisible())
        return nullptr;
    const QObjectList &children = w->children();
    for (int i = children.size() - 1; i >= 0; --i) {
        QObject *child = children.at(i);
        if (!child->isWidgetType())
            continue;
        if (QWidget *hit = hitTest(static_cast<QWidget *>(child), x, y))
            return hit;
    }
    // Through global coordinates, so that any widget can be asked about, not only descendants.
    const QPoint origin = w == widget ? QPoint() : widget->mapFromGlobal(w->mapToGlobal(QPoint()));
    return QRect(origin, w->size()).contains(x, y) ? w : nullptr;
}

bool TavixQWindowImpl::dragStartsAt(const QPoint &pos) const
{
    QWidget *hit = hitTest(widget, pos.x(), pos.y());
    bool allowed = !hit || hit == widget;
    if (!allowed) {
        // Plain Qt widgets, containers and labels are background; other kit controls keep the press.
        auto *control = dynamic_cast<ITavixQWidgetBase *>(hit);
        const QString type = control ? control->getTypeName() : QString();
        allowed = !control || type == QLatin1String("qtcontainer") || type == QLatin1String("qtlabel");
    }
    return allowed && (!onlyDragCaption || pos.y() <= captionHeight);
}

void TavixQWindowImpl::mousePressEvent(QMouseEvent *event)
{
    if (windowPressActive || !event)
        return;
    if (subWindow)
        widget->raise();
    const bool maximized = widget->isMaximized();
    if (resizeable && !maximized) {
        const int zone = zoneAt(event->pos(), widget->size(), borderWidth);
        if (zone != NoZone)
            resizeZone = zone;
    }
    if (canDrag && !maximized && event->button() == Qt::LeftButton && dragStartsAt(event->pos()))
        dragging = true;
    lastGlobalPos = tavixGlobalPos(event);
    widget->grabMouse();
    if (subWindow) {
        windowPressActive = true;
        holdsPress = true;
    } else {
        event->accept();
    }
}

void TavixQWindowImpl::updateCursor(const QPoint &pos)
{
    const int zone = zoneAt(pos, widget->size(), borderWidth);
    if (zone != NoZone) {
        widget->setCursor(zoneCursor(zone));
        cursorSet = true;
    } else if (cursorSet && !dragging) {
        widget->setCursor(Qt::ArrowCursor);
        cursorSet = false;
    }
}

void TavixQWindowImpl::resizeBy(const QPoint &globalPos)
{
    const int dx = globalPos.x() - lastGlobalPos.x();
    const int dy = globalPos.y() - lastGlobalPos.y();
    QPoint moveBy;
    if (zoneTouchesLeft(resizeZone) || zoneTouchesRight(resizeZone)) {
        const bool left = zoneTouchesLeft(resizeZone);
        const AxisStep step = resizeAxis(widget->width(), dx, left, minWidth);
        widget->setFixedWidth(step.size);
        lastGlobalPos.rx() += step.edgeMove;
        if (left)
            moveBy.rx() = step.edgeMove;
    }
    if (zoneTouchesTop(resizeZone) || zoneTouchesBottom(resizeZone)) {
        const bool top = zoneTouchesTop(resizeZone);
        const AxisStep step = resizeAxis(widget->height(), dy, top, minHeight);
        widget->setFixedHeight(step.size);
        lastGlobalPos.ry() += step.edgeMove;
        if (top)
            moveBy.ry() = step.edgeMove;
    }
    if (!moveBy.isNull())
        widget->move(widget->pos() + moveBy);
}

void TavixQWindowImpl::mouseMoveEvent(QMouseEvent *event)
{
    if (!event)
        return;
    const bool maximized = widget->isMaximized();
    if (resizeable && !maximized) {
        if (resizeZone == NoZone) {
            updateCursor(event->pos());
        } else {
            resizeBy(tavixGlobalPos(event));
            return;
        }
    }
    // A window that does not resize still drags; a maximized one never started a drag.
    if (resizeZone == NoZone && canDrag && dragging && event->buttons() != Qt::NoButton) {
        widget->move(widget->pos() + tavixGlobalPos(event) - lastGlobalPos);
        lastGlobalPos = tavixGlobalPos(event);
        event->accept();
    }
}

void TavixQWindowImpl::mouseReleaseEvent(QMouseEvent *)
{
    if (resizeable && resizeZone != NoZone) {
        resizeZone = NoZone;
        widget->setCursor(Qt::ArrowCursor);
    }
    dragging = false;
    widget->releaseMouse();
    windowPressActive = false;
    holdsPress = false;
}

void TavixQWindowImpl::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!event || !maximizeOnDoubleClick || event->pos().y() >= captionHeight)
        return;
    if (widget->isMaximized())
        widget->showNormal();
    else
        widget->showMaximized();
}

void TavixQWindowImpl::enterEvent(QEvent *)
{
}

void TavixQWindowImpl::leaveEvent(QEvent *)
{
}

void TavixQWindowImpl::paint(QPainter *painter, const QRect &rect)
{
    if (!showBackground)
        return;
    if (useFillColor) {
        drawColorFill(painter, backgroundColor, rect.x(), rect.y(), rect.width(), rect.height());
        return;
    }
    ImageDesc image = backgroundImageDesc;
    if (!backgroundImage.isEmpty())
        image.img = backgroundImage;
    drawImageFill(painter, image, rect.x(), rect.y(), rect.width(), rect.height());
}

void TavixQWindowImpl::resizeChildren()
{
    for (QObject *child : widget->children()) {
        if (!child->isWidgetType())
            continue;
        auto *control = dynamic_cast<ITavixQWidgetBase *>(static_cast<QWidget *>(child));
        if (control && control->getControlBase())
            control->resizeWidget();
    }
}

} // namespace TavixQtLib
