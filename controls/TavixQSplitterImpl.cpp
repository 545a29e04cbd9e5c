#include "controls/TavixQSplitterImpl.h"

#include "controls/TavixQContainer.h"
#include "controls/TavixQSplitter.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixNodeEntries.h"
#include "core/TavixQWidgetBase.h"
#include "core/TavixQtCompat.h"

#include <json/value.h>

#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <climits>

namespace TavixQtLib {

namespace {

// Kit controls are moved through their widget base so that their stored absolute geometry follows.
void placeWidget(QWidget *w, const QRect &rect)
{
    auto *control = dynamic_cast<ITavixQWidgetBase *>(w);
    if (control && control->getControlBase())
        control->getControlBase()->setGeometry(rect);
    else
        w->setGeometry(rect);
}

} // namespace

TavixQSplitterImpl::TavixQSplitterImpl(QWidget *widget)
    : TavixQWidgetBaseImpl(widget, QString::fromLatin1(TavixQSplitter::typeName()))
{
    background.valid = false;
}

void TavixQSplitterImpl::paint(QPainter *painter, const QRect &rect)
{
    drawFillStyle(painter, background, rect);
}

bool TavixQSplitterImpl::serializeJsonValue(Json::Value **node, bool read)
{
    const bool result = TavixQWidgetBaseImpl::serializeJsonValue(node, read);
    if (!node || !*node)
        return result;
    TavixStyleSlots styleSlots(this);
    styleSlots.fill(0, &background);
    if (read) {
        if (styleSlots.read(**node))
            widget->update();
    } else {
        styleSlots.write(**node);
    }
    return result;
}

void TavixQSplitterImpl::updateCursor()
{
    widget->setCursor(isHor ? Qt::SplitHCursor : Qt::SplitVCursor);
}

void TavixQSplitterImpl::mousePressEvent(QMouseEvent *event)
{
    TavixQWidgetBaseImpl::mousePressEvent(event);
    dragging = false;
    QWidget *upLeft = upLeftWidget;
    QWidget *downRight = downRightWidget;
    if (event->button() != Qt::LeftButton || (!upLeft && !downRight))
        return;

    auto policyOf = [this](QWidget *w) {
        auto *control = dynamic_cast<ITavixQWidgetBase *>(w);
        if (!control)
            return int(PolicyDefault);
        return int(isHor ? control->getWidthPolicy() : control->getHeightPolicy());
    };

    // The range of the boundary's travel: each neighbour stays within its own limit (the larger of
    // the splitter limit and its Qt minimum) and its Qt maximum.
    long long lo = LLONG_MIN / 4;
    long long hi = LLONG_MAX / 4;
    if (upLeft) {
        const int size = extent(upLeft);
        const int minimum = std::max({upLeftLimit, isHor ? upLeft->minimumWidth() : upLeft->minimumHeight(), 0});
        const int maximum = isHor ? upLeft->maximumWidth() : upLeft->maximumHeight();
        lo = std::max<long long>(lo, static_cast<long long>(minimum) - size);
        hi = std::min<long long>(hi, static_cast<long long>(maximum) - size);
    }
    if (downRight) {
        const int size = extent(downRight);
        const int minimum =
            std::max({downRightLimit, isHor ? downRight->minimumWidth() : downRight->minimumHeight(), 0});
        const int maximum = isHor ? downRight->maximumWidth() : downRight->maximumHeight();
        lo = std::max<long long>(lo, static_cast<long long>(size) - maximum);
        hi = std::min<long long>(hi, static_cast<long long>(size) - minimum);
    }
    if (lo > hi) {
        minDelta = maxDelta = 0;    // the limits contradict each other: the boundary stays
    } else {
        // A neighbour that starts outside its range may only move back towards it.
        minDelta = int(std::max<long long>(std::min<long long>(lo, 0), INT_MIN / 2));
        maxDelta = int(std::min<long long>(std::max<long long>(hi, 0), INT_MAX / 2));
    }

    const auto *container = qobject_cast<TavixQContainer *>(widget->parentWidget());
    const TavixQContainer::AutoChildLayout row = isHor ? TavixQContainer::Horizontal : TavixQContainer::Vertical;
    inRow = container && container->getChildLayout() == row
        && (!upLeft || upLeft->parentWidget() == container)
        && (!downRight || downRight->parentWidget() == container);
    if (inRow) {
        // The row keeps fixed children at their own size; the neighbour that is resized must be one.
        // When neither is fixed, the first kit control among them becomes fixed and the other, sharing the
        // row's free length, absorbs the difference. That happens only once the bar really moves: a click
        // must not change how the row resizes.
        resizeUpLeft = upLeft && policyOf(upLeft) == PolicyFixed;
        resizeDownRight = downRight && policyOf(downRight) == PolicyFixed;
        fixOnMove = nullptr;
        if (!resizeUpLeft && !resizeDownRight) {
            for (QWidget *w : {upLeft, downRight}) {
                if (!dynamic_cast<ITavixQWidgetBase *>(w))
                    continue;
                fixOnMove = w;
                (w == upLeft ? resizeUpLeft : resizeDownRight) = true;
                break;
            }
        }
        // Two plain widgets cannot be held by the row; they are placed directly instead.
        inRow = resizeUpLeft || resizeDownRight;
    }
    if (!inRow) {
        resizeUpLeft = upLeft != nullptr;
        resizeDownRight = downRight != nullptr;
    }

    dragging = true;
    pressGlobal = tavixGlobalPos(event);
    startPos = widget->pos();
    startUpLeft = upLeft ? upLeft->geometry() : QRect();
    startDownRight = downRight ? downRight->geometry() : QRect();
    event->accept();
}

void TavixQSplitterImpl::mouseMoveEvent(QMouseEvent *event)
{
    TavixQWidgetBaseImpl::mouseMoveEvent(event);
    if (!dragging)
        return;
    if (!(event->buttons() & Qt::LeftButton)) {
        dragging = false;   // the release went elsewhere
        return;
    }
    const int travel = along(tavixGlobalPos(event)) - along(pressGlobal);
    const int delta = qBound(minDelta, travel, maxDelta);
    if (fixOnMove && delta != 0) {
        if (auto *control = dynamic_cast<ITavixQWidgetBase *>(fixOnMove.data())) {
            if (isHor)
                control->setWidthPolicy(PolicyFixed);
            else
                control->setHeightPolicy(PolicyFixed);
        }
        fixOnMove = nullptr;
    }
    applyDelta(delta);
    event->accept();
}

void TavixQSplitterImpl::mouseReleaseEvent(QMouseEvent *event)
{
    TavixQWidgetBaseImpl::mouseReleaseEvent(event);
    if (dragging && event->button() == Qt::LeftButton) {
        dragging = false;
        event->accept();
    }
}

void TavixQSplitterImpl::applyDelta(int delta)
{
    QWidget *upLeft = upLeftWidget;
    QWidget *downRight = downRightWidget;
    auto *container = qobject_cast<TavixQContainer *>(widget->parentWidget());

    if (inRow && container) {
        if (resizeUpLeft && upLeft) {
            const QSize size = startUpLeft.size();
            upLeft->resize(isHor ? QSize(size.width() + delta, size.height())
                                 : QSize(size.width(), size.height() + delta));
        }
        if (resizeDownRight && downRight) {
            const QSize size = startDownRight.size();
            downRight->resize(isHor ? QSize(size.width() - delta, size.height())
                                    : QSize(size.width(), size.height() - delta));
        }
        container->forceResize();     // places the neighbours and this bar
        return;
    }

    if (resizeUpLeft && upLeft) {
        QRect r = startUpLeft;
        if (isHor)
            r.setWidth(r.width() + delta);
        else
            r.setHeight(r.height() + delta);
        placeWidget(upLeft, r);
    }
    if (resizeDownRight && downRight) {
        QRect r = startDownRight;
        if (isHor)
            r.setLeft(r.left() + delta);
        else
            r.setTop(r.top() + delta);
        placeWidget(downRight, r);
    }
    const QPoint pos = startPos + (isHor ? QPoint(delta, 0) : QPoint(0, delta));
    placeWidget(widget, QRect(pos, widget->size()));
}

} // namespace TavixQtLib
