#include "controls/TavixQScrollViewImpl.h"

#include "controls/TavixQContainer.h"
#include "controls/TavixQScrollView.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixNodeEntries.h"

#include <json/value.h>

#include <QEvent>
#include <QPainter>

namespace TavixQtLib {

TavixQScrollViewImpl::TavixQScrollViewImpl(QWidget *widget)
    : TavixQWidgetBaseImpl(widget, QString::fromLatin1(TavixQScrollView::typeName()))
{
}

void TavixQScrollViewImpl::paint(QPainter *painter, const QRect &rect)
{
    drawFillStyle(painter, background, rect);
}

bool TavixQScrollViewImpl::serializeJsonValue(Json::Value **node, bool read)
{
    const bool result = TavixQWidgetBaseImpl::serializeJsonValue(node, read);
    if (!node || !*node)
        return result;
    TavixStyleSlots styleSlots(this);
    styleSlots.fill(0, &background);
    if (read) {
        if (styleSlots.read(**node)) {
            widget->update();
            if (auto *area = qobject_cast<QScrollArea *>(widget))
                area->viewport()->update();
        }
    } else {
        styleSlots.write(**node);
        writeContent(**node);
    }
    return result;
}

// The content container lives under the viewport, not among the view's own children, so the common
// writing misses it. It goes first, which is the container createComplete takes back as content.
void TavixQScrollViewImpl::writeContent(Json::Value &node) const
{
    auto *area = qobject_cast<QScrollArea *>(widget);
    QWidget *contentWidget = area ? area->widget() : nullptr;
    auto *control = dynamic_cast<ITavixQWidgetBase *>(contentWidget);
    if (!control || !tavixIsSerializeChild() || contentWidget->parentWidget() == widget)
        return;
    Json::Value children(Json::arrayValue);
    Json::Value &first = children.append(Json::Value(Json::objectValue));
    control->serializeJsonValue(&first, false);
    if (const Json::Value *others = tavixJsonMember(node, "child")) {
        for (const Json::Value &other : *others)
            children.append(other);
    }
    node["child"] = children;
}

void TavixQScrollViewImpl::createComplete()
{
    auto *area = qobject_cast<QScrollArea *>(widget);
    // Content is taken once: setWidget() would delete the current content.
    if (!area || (content && area->widget() == content))
        return;
    for (QObject *child : area->children()) {
        if (auto *container = qobject_cast<TavixQContainer *>(child)) {
            content = container;
            area->setWidget(container);
            return;
        }
    }
}

bool TavixQScrollViewImpl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        auto *area = qobject_cast<QScrollArea *>(widget);
        QWidget *viewport = area ? area->viewport() : nullptr;
        // Drawn before the viewport paints itself (its sheet keeps it transparent).
        if (viewport && watched == viewport) {
            QPainter painter(viewport);
            drawFillStyle(&painter, background, QRect(0, 0, viewport->width(), viewport->height()));
        }
    }
    return TavixQWidgetBaseImpl::eventFilter(watched, event);
}

} // namespace TavixQtLib
