#include "controls/TavixQContainerImpl.h"

#include "controls/TavixQContainer.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQSpacer.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "core/TavixQWidgetBase.h"
#include "resources/TavixQResourceManager.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>
#include <QWindow>

#include <json/value.h>

#include <algorithm>
#include <vector>

namespace TavixQtLib {

namespace {

constexpr const char *kBoundBarProperty = "_tavix_container_bound_scrollbar";
constexpr const char *kBaseGeometryProperty = "_tavix_container_base_geometry";
constexpr int kUnlimited = QWIDGETSIZE_MAX;
// A relayout triggered by scroll bars appearing may change the content again; a few rounds settle it.
constexpr int kMaxRelayoutDepth = 3;

int mainLength(const QSize &size, bool horizontal) { return horizontal ? size.width() : size.height(); }
int crossLength(const QSize &size, bool horizontal) { return horizontal ? size.height() : size.width(); }
int mainMinimum(const QWidget *w, bool horizontal) { return horizontal ? w->minimumWidth() : w->minimumHeight(); }
int mainMaximum(const QWidget *w, bool horizontal) { return horizontal ? w->maximumWidth() : w->maximumHeight(); }
int crossMinimum(const QWidget *w, bool horizontal) { return horizontal ? w->minimumHeight() : w->minimumWidth(); }
int crossMaximum(const QWidget *w, bool horizontal) { return horizontal ? w->maximumHeight() : w->maximumWidth(); }

int mainPolicy(ITavixQWidgetBase *iface, bool horizontal)
{
    if (!iface)
        return PolicyDefault;
    return horizontal ? iface->getWidthPolicy() : iface->getHeightPolicy();
}

int crossPolicy(ITavixQWidgetBase *iface, bool horizontal) { return mainPolicy(iface, !horizontal); }

// The child's length limited by its own minimum and maximum only (no available space).
int naturalLength(int length, int minimum, int maximum)
{
    return std::max(minimum, std::min(length, maximum));
}

// Paddings, gaps and dock offsets come from page nodes: positions and lengths are computed wide and
// brought back into the range a widget geometry holds without overflowing.
int fitCoord(qint64 value) { return int(qBound(qint64(-kUnlimited), value, qint64(kUnlimited))); }
int fitLength(qint64 value) { return int(qBound(qint64(0), value, qint64(kUnlimited))); }

QRect axisRect(bool horizontal, qint64 pos, qint64 crossPos, int length, int crossLen)
{
    const int p = fitCoord(pos);
    const int c = fitCoord(crossPos);
    return horizontal ? QRect(p, c, length, crossLen) : QRect(c, p, crossLen, length);
}

} // namespace

TavixQContainerImpl::TavixQContainerImpl(TavixQContainer *owner)
    : TavixQWidgetBaseImpl(owner, QString::fromLatin1(TavixQContainer::typeName()))
    , container(owner)
{
    background.color = QColor(128, 128, 128);
    disableBackground.color = QColor(128, 128, 128);
}

void TavixQContainerImpl::storeBaseGeometry(QWidget *w, const QRect &rect)
{
    const auto known = baseRects.constFind(w);
    if (known != baseRects.constEnd() && *known == rect)
        return;   // the property holds it already
    baseRects.insert(w, rect);
    storingBase = true;
    w->setProperty(kBaseGeometryProperty, rect);
    storingBase = false;
}

bool TavixQContainerImpl::knownBaseGeometry(QWidget *w, QRect *out)
{
    const auto known = baseRects.constFind(w);
    if (known != baseRects.constEnd()) {
        *out = *known;
        return true;
    }
    const QVariant stored = w->property(kBaseGeometryProperty);
    if (!stored.isValid())
        return false;
    *out = stored.toRect();
    baseRects.insert(w, *out);
    return true;
}

// Where w sits with the content unscrolled; without a stored one, fallback becomes it.
QRect TavixQContainerImpl::baseGeometry(QWidget *w, const QRect &fallback)
{
    QRect rect;
    if (knownBaseGeometry(w, &rect))
        return rect;
    storeBaseGeometry(w, fallback);
    return fallback;
}

// Moves a child to rect (content coordinates) shown at the scroll offset, and records where it went.
// Qt keeps a widget within its minimum and maximum size, so the record is the geometry it really got.
void TavixQContainerImpl::placeChild(QWidget *w, const QRect &rect, int scrollX, int scrollY)
{
    w->setGeometry(rect.translated(-scrollX, -scrollY));
    storeBaseGeometry(w, w->geometry().translated(scrollX, scrollY));
}

// Someone else wrote or removed the property: the mirror forgets it and reads it again when needed.
void TavixQContainerImpl::baseGeometryChanged(QObject *child)
{
    if (!storingBase)
        baseRects.remove(child);
}

TavixQContainerImpl::~TavixQContainerImpl()
{
    // Stop the animation before this object's members go, so no tick reaches a half-destroyed Impl.
    if (resizeAnimation) {
        QObject::disconnect(resizeAnimation, nullptr, this, nullptr);
        delete resizeAnimation;
        resizeAnimation = nullptr;
    }
}

void TavixQContainerImpl::paint(QPainter *painter, const QRect &rect)
{
    if (!drawBackground || !widget)
        return;
    drawFillStyle(painter, widget->isEnabled() ? background : disableBackground, rect);
}

bool TavixQContainerImpl::serializeJsonValue(Json::Value **node, bool read)
{
    const bool result = TavixQWidgetBaseImpl::serializeJsonValue(node, read);
    if (!node || !*node)
        return result;

    if (!read) {
        Json::Value &out = **node;
        if (!out.isObject() && !out.isNull())
            return result;
        tavixAttrObject(out)["childLayout"] = childLayout;
        tavixWriteAttrInt(out, "space", childSpace, 0);
        tavixWriteAttrInt(out, "paddingLeft", paddingLeft, 0);
        tavixWriteAttrInt(out, "paddingTop", paddingTop, 0);
        tavixWriteAttrInt(out, "paddingRight", paddingRight, 0);
        tavixWriteAttrInt(out, "paddingBottom", paddingBottom, 0);
        tavixWriteAttrBool(out, "absoluteDockAutoSize", absoluteDockAutoSize, false);
        // The disabled background is written only where it adds something to the enabled one. What the
        // theme entry supplied is left out, unless a written slot 0 (it spreads on reading) would hide it.
        Json::Value entries(Json::arrayValue);
        const QString normalName = ownStyleName(0, false, background.name);
        const QString disableName = ownStyleName(1, false, disableBackground.name);
        if (!normalName.isEmpty())
            entries.append(tavixStyleEntry(normalName, false, 0));
        if (!disableBackground.name.isEmpty() && disableBackground != background
            && (!disableName.isEmpty() || !normalName.isEmpty()))
            entries.append(tavixStyleEntry(disableBackground.name, false, 1));
        if (!entries.empty())
            out["style"] = entries;
        return result;
    }

    const Json::Value &in = **node;
    const Json::Value *attr = tavixAttrNode(in);
    // A theme entry without the key must not switch off a page's layout on every theme change.
    const bool fromTheme = TavixQResourceManager::getInstance()->isLoadFromThemeRes();
    int value = 0;
    if (attr && tavixReadInt(*attr, "childLayout", value))
        childLayout = (value >= TavixQContainer::Horizontal && value <= TavixQContainer::VerFloat)
            ? value : int(TavixQContainer::NoUse);
    else if (!fromTheme)
        childLayout = TavixQContainer::NoUse;
    if (attr) {
        tavixReadInt(*attr, "space", childSpace);
        tavixReadInt(*attr, "paddingLeft", paddingLeft);
        tavixReadInt(*attr, "paddingTop", paddingTop);
        tavixReadInt(*attr, "paddingRight", paddingRight);
        tavixReadInt(*attr, "paddingBottom", paddingBottom);
        tavixReadBool(*attr, "absoluteDockAutoSize", absoluteDockAutoSize);
    }
    // Slot 0 fills both records, slot 1 only the disabled one.
    FillStyle pair[2] = {background, disableBackground};
    TavixStyleSlots(this).fillGroup(0, pair, 2, true).read(in);
    background = pair[0];
    disableBackground = pair[1];
    if (widget)
        widget->update();
    relayout();
    return result;
}

void TavixQContainerImpl::relayout()
{
    if (!container || relayoutDepth >= kMaxRelayoutDepth)
        return;
    if (deferDepth > 0) {
        scheduleRelayout();
        return;
    }
    relayoutPending = false;   // this run answers a pending request too
    ++relayoutDepth;
    if (childLayout != TavixQContainer::NoUse)
        layoutPass();
    updateScrollBars();
    --relayoutDepth;
}

void TavixQContainerImpl::scheduleRelayout()
{
    if (relayoutPending)
        return;
    relayoutPending = true;
    QTimer::singleShot(0, this, [this] {
        // A relayout run meanwhile has answered the request already.
        if (!relayoutPending)
            return;
        relayoutPending = false;
        relayout();
    });
}

void TavixQContainerImpl::layoutPass()
{
    // A child reacting to its new geometry may ask for another pass; the running one covers it.
    if (layoutRunning || childLayout == TavixQContainer::NoUse || !container)
        return;
    layoutRunning = true;
    // Children are placed at the current offset and get new base geometries.
    contentIndexValid = false;
    notePlacedAtCurrentOffset();
    // One scan sorts the children into flow and docked ones; both passes reuse it.
    std::vector<FlowItem> &flow = flowItems;
    std::vector<FlowItem> &docked = dockedItems;
    flow.clear();
    docked.clear();
    const QObjectList &objects = container->children();
    flow.reserve(size_t(objects.size()));
    for (QObject *object : objects) {
        QWidget *w = contentChild(object);
        if (!w)
            continue;
        FlowItem item;
        item.widget = w;
        item.iface = ifaceOf(w);
        if (item.iface && item.iface->getAbsoluteLayout())
            docked.push_back(item);
        else
            flow.push_back(item);
    }
    dockPass(docked);
    switch (childLayout) {
    case TavixQContainer::Horizontal:
        layoutRow(true, flow);
        break;
    case TavixQContainer::Vertical:
        layoutRow(false, flow);
        break;
    case TavixQContainer::HorFloat:
        layoutFloat(true, flow);
        break;
    case TavixQContainer::VerFloat:
        layoutFloat(false, flow);
        break;
    default:
        break;
    }
    dockPass(docked);
    flow.clear();       // no pointers kept past the pass
    docked.clear();
    layoutRunning = false;
}

TavixQContainerImpl::TypeFacts TavixQContainerImpl::typeFacts(const QWidget *w) const
{
    const std::type_info *type = &typeid(*w);
    // By address first: comparing type_infos by value may compare their names.
    for (const TypeFacts &facts : knownTypes)
        if (facts.type == type)
            return facts;
    for (const TypeFacts &facts : knownTypes)
        if (*facts.type == *type)
            return facts;
    TypeFacts facts;
    facts.type = type;
    QWidget *widget = const_cast<QWidget *>(w);
    if (ITavixQWidgetBase *iface = dynamic_cast<ITavixQWidgetBase *>(widget)) {
        facts.hasIface = true;
        facts.ifaceOffset = reinterpret_cast<char *>(iface) - reinterpret_cast<char *>(widget);
    }
    facts.scrollBar = qobject_cast<const TavixQScrollBar *>(w) != nullptr;
    facts.spacer = qobject_cast<const TavixQSpacer *>(w) != nullptr;
    knownTypes.push_back(facts);
    return facts;
}

// dynamic_cast's answer: objects of one most-derived type hold their parts at the same offsets. While a
// child is still being constructed its type is the base under construction, which is looked up apart.
ITavixQWidgetBase *TavixQContainerImpl::ifaceOf(QWidget *w) const
{
    const TypeFacts facts = typeFacts(w);
    return facts.hasIface ? reinterpret_cast<ITavixQWidgetBase *>(reinterpret_cast<char *>(w) + facts.ifaceOffset)
                          : nullptr;
}

int TavixQContainerImpl::clampLength(int value, int minimum, int maximum, int available)
{
    const int avail = available < 1 ? 0 : available;
    const int cap = maximum >= kUnlimited ? avail : std::min(avail, maximum);
    return std::max(std::min(std::max(minimum, 0), cap), std::min(cap, value));
}

bool TavixQContainerImpl::isBoundBar(const QWidget *w) const
{
    if (!w)
        return false;
    if (w == hScrollBar.data() || w == vScrollBar.data())
        return true;
    // Only scroll bars are ever marked; testing the class first keeps the property lookup off the hot path.
    return typeFacts(w).scrollBar && w->property(kBoundBarProperty).toBool();
}

QWidget *TavixQContainerImpl::contentChild(QObject *object) const
{
    if (!object->isWidgetType() || object == dyingBar)
        return nullptr;
    QWidget *w = static_cast<QWidget *>(object);
    return w->isWindow() || isBoundBar(w) ? nullptr : w;
}

QList<QWidget *> TavixQContainerImpl::flowChildren() const
{
    QList<QWidget *> result;
    if (!container)
        return result;
    const QObjectList &objects = container->children();
    result.reserve(objects.size());
    for (QObject *object : objects) {
        QWidget *w = contentChild(object);
        if (!w)
            continue;
        ITavixQWidgetBase *iface = ifaceOf(w);
        if (iface && iface->getAbsoluteLayout())
            continue;
        result.append(w);
    }
    return result;
}

int TavixQContainerImpl::barThickness(bool horizontal, bool onlyVisible) const
{
    const TavixQScrollBar *bar = horizontal ? hScrollBar.data() : vScrollBar.data();
    if (!bar || (onlyVisible && bar->isHidden()))
        return 0;
    const QSize hint = bar->sizeHint();   // a bar's thickness may come from a page node
    return qBound(0, horizontal ? hint.height() : hint.width(), kUnlimited);
}

void TavixQContainerImpl::placeInRow(bool horizontal, const FlowItem &item, qint64 pos, qint64 crossPos,
                                     int length, int crossAvail)
{
    QWidget *w = item.widget;
    const int crossPol = crossPolicy(item.iface, horizontal);
    int cross = crossLength(w->size(), horizontal);
    if (!item.spacer) {
        if (crossPol == PolicyExpanding)
            cross = crossAvail;
    } else if (item.thickness >= 1) {
        cross = item.thickness;
    } else if (crossPol == PolicyExpanding) {
        cross = crossAvail;
    }
    cross = clampLength(cross, crossMinimum(w, horizontal), crossMaximum(w, horizontal), crossAvail);
    // Placed at the scrolled position right away: one move per child and pass.
    placeChild(w, axisRect(horizontal, pos, crossPos, std::max(length, 0), cross), scrollX, scrollY);
}

void TavixQContainerImpl::layoutRow(bool horizontal, std::vector<FlowItem> &items)
{
    const int n = int(items.size());
    if (n == 0)
        return;

    const int wantedDirection = horizontal ? TavixQSpacer::Horizontal : TavixQSpacer::Vertical;
    qint64 spacerRatioSum = 0;
    for (FlowItem &item : items) {
        item.ratio = item.iface ? std::max(item.iface->getLayoutRatio(), 1) : 1;
        item.spacer = false;
        item.length = 0;
        if (typeFacts(item.widget).spacer) {
            const TavixQSpacer *spacer = static_cast<const TavixQSpacer *>(item.widget);
            const int direction = spacer->getDirection();
            if (direction == TavixQSpacer::Auto || direction == wantedDirection) {
                item.spacer = true;
                item.thickness = spacer->getThickness();
                spacerRatioSum += item.ratio;
            }
        }
    }

    const QSize size = container->size();
    const int mainExtent = mainLength(size, horizontal);
    const int crossExtent = crossLength(size, horizontal);
    const int padStart = horizontal ? paddingLeft : paddingTop;
    const int padEnd = horizontal ? paddingRight : paddingBottom;
    const int crossPadStart = horizontal ? paddingTop : paddingLeft;
    const int crossPadEnd = horizontal ? paddingBottom : paddingRight;
    // The bar across the row's end eats main length; the bar along the row eats cross length.
    const int barMain = barThickness(!horizontal, true);
    const int barCross = barThickness(horizontal, true);
    const bool scrollsAlong = horizontal ? !hScrollBar.isNull() : !vScrollBar.isNull();
    const int s = std::max(childSpace, 0);
    const qint64 gaps = qint64(n - 1) * s;
    const qint64 crossRoom = qint64(crossExtent) - barCross - crossPadStart - crossPadEnd;
    auto fitInt = fitLength;

    if (spacerRatioSum < 1) {
        int avail = fitInt(qint64(mainExtent) - gaps - barMain - padStart - padEnd);
        if (scrollsAlong) {
            qint64 natural = 0;
            for (const FlowItem &item : items)
                natural += naturalLength(mainLength(item.widget->size(), horizontal),
                                         mainMinimum(item.widget, horizontal), mainMaximum(item.widget, horizontal));
            avail = std::max(avail, fitInt(natural));
        }
        qint64 fixedLength = 0;
        int ratioCount = 0;
        qint64 ratioSum = 0;
        for (const FlowItem &item : items) {
            if (mainPolicy(item.iface, horizontal) == PolicyFixed) {
                fixedLength += clampLength(mainLength(item.widget->size(), horizontal),
                                           mainMinimum(item.widget, horizontal), mainMaximum(item.widget, horizontal),
                                           avail);
            } else {
                ++ratioCount;
                ratioSum += item.ratio;
            }
        }
        qint64 free = std::max<qint64>(avail - fixedLength, 0);
        const int crossAvail = fitInt(crossRoom);
        qint64 pos = padStart;
        for (const FlowItem &item : items) {
            QWidget *w = item.widget;
            const int minimum = mainMinimum(w, horizontal);
            const int maximum = mainMaximum(w, horizontal);
            int length = 0;
            if (mainPolicy(item.iface, horizontal) != PolicyFixed) {
                // Each sharing child takes its part of what is still free; the last absorbs the remainder.
                const qint64 share = (ratioCount < 2 || ratioSum < 1) ? free : free * item.ratio / ratioSum;
                length = clampLength(fitInt(share), minimum, maximum, avail);
                --ratioCount;
                free = std::max<qint64>(free - length, 0);
                ratioSum -= item.ratio;
            } else if (scrollsAlong) {
                length = std::min(std::max(mainLength(w->size(), horizontal), minimum), maximum);
            } else {
                length = clampLength(mainLength(w->size(), horizontal), minimum, maximum, avail);
            }
            placeInRow(horizontal, item, pos, crossPadStart, length, crossAvail);
            avail -= length;
            if (!scrollsAlong)
                avail = std::max(avail, 0);
            pos += qint64(s) + length;
        }
        return;
    }

    int avail = fitInt(qint64(mainExtent) - gaps - padEnd - barMain - padStart);
    const int crossAvail = fitInt(crossRoom);
    qint64 used = 0;
    for (FlowItem &item : items) {
        if (item.spacer)
            continue;
        item.length = clampLength(mainLength(item.widget->size(), horizontal), mainMinimum(item.widget, horizontal),
                                  mainMaximum(item.widget, horizontal), avail);
        used += item.length;
    }
    if (scrollsAlong)
        avail = std::max(avail, fitInt(used));
    qint64 free = avail - used;
    if (free < 1) {
        // Overflow: shrink the children towards their minimums, in proportion to their slack first.
        qint64 overflow = -free;
        qint64 shrinkable = 0;
        auto slackOf = [horizontal](const FlowItem &item) {
            return std::max<qint64>(item.length - std::max(mainMinimum(item.widget, horizontal), 0), 0);
        };
        for (const FlowItem &item : items)
            if (!item.spacer)
                shrinkable += slackOf(item);
        for (FlowItem &item : items) {
            if (overflow <= 0 || shrinkable <= 0)
                break;
            if (item.spacer)
                continue;
            const qint64 slack = slackOf(item);
            if (slack <= 0)
                continue;
            const qint64 cut = std::min(slack, overflow * slack / shrinkable);
            item.length -= int(cut);
            shrinkable -= slack;
            overflow -= cut;
        }
        for (FlowItem &item : items) {
            if (overflow <= 0)
                break;
            if (item.spacer)
                continue;
            const qint64 cut = std::min(slackOf(item), overflow);
            item.length -= int(cut);
            overflow -= cut;
        }
        for (FlowItem &item : items)
            if (item.spacer)
                item.length = 0;
    } else {
        qint64 remainingRatio = spacerRatioSum;
        for (FlowItem &item : items) {
            if (!item.spacer)
                continue;
            const qint64 share = remainingRatio > 0 ? free * item.ratio / remainingRatio : free;
            const int maximum = mainMaximum(item.widget, horizontal);
            const qint64 cap = maximum >= kUnlimited ? free : std::min<qint64>(free, maximum);
            item.length = fitInt(std::max(std::min(cap, share), std::min<qint64>(cap, 0)));
            free = std::max<qint64>(free - item.length, 0);
            remainingRatio -= item.ratio;
        }
    }

    qint64 pos = padStart;
    int remaining = avail;
    for (const FlowItem &item : items) {
        const int minimum = item.spacer ? 0 : mainMinimum(item.widget, horizontal);
        const int length = clampLength(item.length, minimum, mainMaximum(item.widget, horizontal), remaining);
        placeInRow(horizontal, item, pos, crossPadStart, length, crossAvail);
        remaining = std::max(remaining - length, 0);
        pos += qint64(s) + length;
    }
}

void TavixQContainerImpl::layoutFloat(bool horizontal, const std::vector<FlowItem> &items)
{
    // Bound bars and docked children are placed by their own passes and take no room in the flow.
    const int s = std::max(childSpace, 0);
    const qint64 padStart = horizontal ? paddingLeft : paddingTop;
    const qint64 crossPadStart = horizontal ? paddingTop : paddingLeft;
    const qint64 limit = horizontal ? qint64(container->width()) - paddingRight
                                    : qint64(container->height()) - paddingBottom;
    qint64 pos = padStart;
    qint64 crossPos = crossPadStart;
    int lineThickness = 0;
    for (const FlowItem &item : items) {
        QWidget *w = item.widget;
        const int length = mainLength(w->size(), horizontal);
        const int thickness = crossLength(w->size(), horizontal);
        if (pos > padStart && pos + length > limit) {
            pos = padStart;
            crossPos += qint64(lineThickness) + s;
            lineThickness = 0;
        }
        placeChild(w, axisRect(horizontal, pos, crossPos, length, thickness), scrollX, scrollY);
        pos += qint64(length) + s;
        lineThickness = std::max(lineThickness, thickness);
    }
}

void TavixQContainerImpl::dockPass(const std::vector<FlowItem> &docked)
{
    if (docked.empty())
        return;
    const int vbw = barThickness(false, true);
    const int hbh = barThickness(true, true);
    const qint64 ax = std::max(paddingLeft, 0);
    const qint64 ay = std::max(paddingTop, 0);
    const int aw = fitLength(qint64(container->width()) - vbw - paddingLeft - paddingRight);
    const int ah = fitLength(qint64(container->height()) - hbh - paddingTop - paddingBottom);
    for (const FlowItem &item : docked) {
        QWidget *w = item.widget;
        ITavixQWidgetBase *iface = item.iface;
        if (!iface->getControlBase())
            continue;
        DockLayoutType hor = DockNear;
        DockLayoutType ver = DockNear;
        int dx = 0;
        int dy = 0;
        iface->getAbsoluteDock(hor, ver, dx, dy);
        QSize size = w->size();
        TavixQContainer *autoSized = qobject_cast<TavixQContainer *>(w);
        if (autoSized && !autoSized->getAbsoluteDockAutoSize())
            autoSized = nullptr;
        if (autoSized) {
            const QSize content = autoSized->getContentSize();
            if (content.isValid())
                size = content;
        }
        const int width = clampLength(size.width(), w->minimumWidth(), w->maximumWidth(), aw);
        const int height = clampLength(size.height(), w->minimumHeight(), w->maximumHeight(), ah);
        auto place = [](int dock, qint64 start, int avail, int length, int offset) {
            qint64 at = start;
            if (dock == DockCenter)
                at += (avail - length) / 2;
            else if (dock == DockFar)
                at += avail - length;
            return fitCoord(at + offset);
        };
        const QRect rect(place(hor, ax, aw, width, dx), place(ver, ay, ah, height, dy), width, height);
        iface->getControlBase()->setGeometry(rect);   // also makes the child's layout Absolute
        placeChild(w, rect, scrollX, scrollY);
        if (autoSized)
            autoSized->forceResize();
    }
}

QSize TavixQContainerImpl::contentSize() const
{
    const QList<QWidget *> children = flowChildren();
    if (children.isEmpty() || !container)
        return QSize();
    const int s = std::max(childSpace, 0);
    qint64 sumWidth = 0;
    qint64 sumHeight = 0;
    int maxWidth = 0;
    int maxHeight = 0;
    int right = 0;
    int bottom = 0;
    for (QWidget *w : children) {
        QSize preferred = w->sizeHint();
        if (!preferred.isValid())
            preferred = w->minimumSizeHint();
        if (!preferred.isValid())
            preferred = w->minimumSize();
        int width = std::max(preferred.width(), 0);
        int height = std::max(preferred.height(), 0);
        if (ITavixQWidgetBase *iface = dynamic_cast<ITavixQWidgetBase *>(w)) {
            if (iface->getWidthPolicy() == PolicyFixed)
                width = std::max(width, w->width());
            if (iface->getHeightPolicy() == PolicyFixed)
                height = std::max(height, w->height());
        }
        width = naturalLength(width, w->minimumWidth(), w->maximumWidth());
        height = naturalLength(height, w->minimumHeight(), w->maximumHeight());
        sumWidth += width;
        sumHeight += height;
        maxWidth = std::max(maxWidth, width);
        maxHeight = std::max(maxHeight, height);
        right = std::max(right, w->geometry().right() + 1);
        bottom = std::max(bottom, w->geometry().bottom() + 1);
    }
    const qint64 gaps = qint64(children.size() - 1) * s;
    qint64 width = right;
    qint64 height = bottom;
    if (childLayout == TavixQContainer::Horizontal) {
        width = sumWidth + gaps;
        height = maxHeight;
    } else if (childLayout == TavixQContainer::Vertical) {
        width = maxWidth;
        height = sumHeight + gaps;
    }
    width += qint64(paddingLeft) + paddingRight;
    height += qint64(paddingTop) + paddingBottom;
    width = std::max<qint64>(std::min<qint64>(width, kUnlimited), 0);
    height = height < 1 ? 0 : std::min<qint64>(height, kUnlimited);
    return QSize(int(width), int(height));
}

void TavixQContainerImpl::addChild(QWidget *child, int ratio)
{
    QPointer<TavixQContainerImpl> alive(this);
    QPointer<QWidget> guarded(child);
    // Re-parenting and the ratio each ask for a relayout; one pass for the whole batch of additions
    // answers them, so adding n children costs n, not n passes over a growing row.
    ++deferDepth;
    if (child->parentWidget() != container)
        child->setParent(container);
    if (alive && guarded && container) {
        watchChild(child);
        if (ITavixQWidgetBase *iface = dynamic_cast<ITavixQWidgetBase *>(child))
            iface->setLayoutRatio(ratio);
    }
    if (!alive)
        return;
    --deferDepth;
    scheduleRelayout();
}

void TavixQContainerImpl::watchChild(QWidget *child)
{
    if (!child || !container || isBoundBar(child))
        return;
    child->installEventFilter(container);
    // Indexed at the next bar update, once its constructor has given it its geometry.
    if (contentIndexValid)
        pendingContent.push_back(child);
}

void TavixQContainerImpl::unwatchChild(QObject *child)
{
    if (!child)
        return;
    indexContent(child, nullptr);
    baseRects.remove(child);
    if (container)
        child->removeEventFilter(container);
}

void TavixQContainerImpl::releaseMovedBar(QObject *child)
{
    if (!child || !container)
        return;
    for (const bool horizontal : {true, false}) {
        const QPointer<TavixQScrollBar> &bound = horizontal ? hScrollBar : vScrollBar;
        if (static_cast<QObject *>(bound.data()) != child)
            continue;
        // The bar belongs to another parent now: let go of it without hiding it there.
        dropBar(horizontal);
        QPointer<TavixQContainerImpl> alive(this);
        applyScrollOffset(true);
        if (alive)
            relayout();
        return;
    }
}

void TavixQContainerImpl::watchedChildEvent(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return;
    if (event->type() == QEvent::DynamicPropertyChange) {
        if (static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName() == kBaseGeometryProperty)
            baseGeometryChanged(watched);
        return;
    }
    // The extents depend only on the base geometries and on which children are hidden. Showing or hiding
    // the container sends Move, Resize, Show and ShowToParent (or Hide) to every child at once without
    // changing either; rescanning all children for each of those events would make showing quadratic.
    bool visibility = false;
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::LayoutRequest:
        break;
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ShowToParent:     // sent by show() and hide() also while the container is hidden
    case QEvent::HideToParent:
        visibility = true;
        break;
    default:
        return;
    }
    if (layoutRunning || updatingScroll || movingChildren) {
        // Shown or hidden by code run from a move or a bar signal: the next bar update rescans.
        if (visibility)
            contentIndexValid = false;
        return;
    }
    QWidget *w = static_cast<QWidget *>(watched);
    if (w->parentWidget() != container || !contentChild(w))
        return;
    const QRect base = w->geometry().translated(scrollX, scrollY);
    QRect known;
    const bool moved = !knownBaseGeometry(w, &known) || known != base;
    const bool shownOrHidden = visibility && (!contentIndexValid || w->isHidden() == contentRects.contains(w));
    if (!moved && !shownOrHidden && event->type() != QEvent::LayoutRequest)
        return;
    storeBaseGeometry(w, base);
    notePlacedAtCurrentOffset();
    if (contentIndexValid)
        indexContent(w, w->isHidden() ? nullptr : &base);
    updateScrollBars();
}

void TavixQContainerImpl::notePlacedAtCurrentOffset()
{
    if (scrollX != appliedX || scrollY != appliedY)
        offsetDirty = true;
}

void TavixQContainerImpl::indexContent(const QObject *child, const QRect *base)
{
    const auto found = contentRects.constFind(child);
    if (found != contentRects.constEnd()) {
        if (!found->isNull()) {
            contentRights.erase(contentRights.find(found->right()));
            contentBottoms.erase(contentBottoms.find(found->bottom()));
        }
        contentRects.erase(found);
    }
    if (!base)
        return;
    contentRects.insert(child, *base);
    // An empty rectangle adds nothing to a union of rectangles.
    if (!base->isNull()) {
        contentRights.insert(base->right());
        contentBottoms.insert(base->bottom());
    }
}

void TavixQContainerImpl::rebuildContentIndex()
{
    contentRects.clear();
    contentRights.clear();
    contentBottoms.clear();
    pendingContent.clear();
    for (QObject *object : container->children()) {
        QWidget *w = contentChild(object);
        if (!w || w->isHidden())
            continue;
        const QRect base = baseGeometry(w, w->geometry().translated(scrollX, scrollY));
        indexContent(w, &base);
    }
    notePlacedAtCurrentOffset();
    contentIndexValid = true;
}

void TavixQContainerImpl::indexPendingContent()
{
    for (const QPointer<QObject> &object : pendingContent) {
        QWidget *w = object && object->parent() == container ? contentChild(object.data()) : nullptr;
        if (!w)
            continue;
        if (w->isHidden()) {
            indexContent(w, nullptr);
            continue;
        }
        const QRect base = baseGeometry(w, w->geometry().translated(scrollX, scrollY));
        indexContent(w, &base);
    }
    if (!pendingContent.empty())
        notePlacedAtCurrentOffset();
    pendingContent.clear();
}

bool TavixQContainerImpl::isStillBound(const QPointer<TavixQScrollBar> &bar, bool horizontal) const
{
    return bar && bar.data() == (horizontal ? hScrollBar.data() : vScrollBar.data());
}

bool TavixQContainerImpl::barOnTop(const QWidget *bar) const
{
    // raise() looks the bar up among all children; skip it while nothing but bars and windows lie above.
    const QObjectList &objects = container->children();
    for (int i = objects.size() - 1; i >= 0; --i) {
        QObject *object = objects.at(i);
        if (object == bar)
            return true;
        if (contentChild(object))
            return false;
    }
    return false;
}

bool TavixQContainerImpl::applyBar(bool horizontal, bool needed, int maximum, int page, const QRect &rect)
{
    QPointer<TavixQContainerImpl> alive(this);
    QPointer<TavixQScrollBar> bar = horizontal ? hScrollBar : vScrollBar;
    // Each call below can run code connected to the bar, which may unbind or delete the bar or this container.
    auto still = [&] { return alive && isStillBound(bar, horizontal); };
    if (!still())
        return false;
    int offset = 0;
    if (needed) {
        bar->setRange(0, maximum);
        if (!still())
            return false;
        bar->setPageStep(page);
        if (!still())
            return false;
        if (bar->getControlBase())
            bar->getControlBase()->setGeometry(rect);
        else
            bar->setGeometry(rect);
        if (!still())
            return false;
        bar->show();
        if (!still())
            return false;
        if (!barOnTop(bar)) {
            bar->raise();   // content added after binding must not cover the bar
            if (!still())
                return false;
        }
        offset = qBound(0, bar->value(), bar->maximum());
        if (bar->value() != offset) {
            bar->setValue(offset);
            if (!still())
                return false;
        }
    } else {
        bar->hide();
        if (!still())
            return false;
        bar->setRange(0, 0);
        if (!still())
            return false;
        bar->setValue(0);
        if (!still())
            return false;
    }
    (horizontal ? scrollX : scrollY) = offset;
    return true;
}

void TavixQContainerImpl::updateScrollBars()
{
    if (updatingScroll || !container)
        return;
    // Compared only, never dereferenced: code run from a bar may delete it.
    const TavixQScrollBar *startH = hScrollBar.data();
    const TavixQScrollBar *startV = vScrollBar.data();
    // Without bars an offset set by setScrollPos stays; the children are shown at it.
    if (!startH && !startV)
        return;
    if (!startH)
        scrollX = 0;
    if (!startV)
        scrollY = 0;
    const bool hadH = startH && !hScrollBar->isHidden();
    const bool hadV = startV && !vScrollBar->isHidden();
    updatingScroll = true;

    if (!contentIndexValid)
        rebuildContentIndex();
    else
        indexPendingContent();
    const bool hasContent = !contentRights.empty();
    const qint64 right = hasContent ? qint64(*contentRights.rbegin()) + 1 : 0;
    const qint64 bottom = hasContent ? qint64(*contentBottoms.rbegin()) + 1 : 0;

    const int W = container->width();
    const int H = container->height();
    const int vbw = barThickness(false, false);
    const int hbh = barThickness(true, false);
    bool needH = false;
    bool needV = false;
    auto viewWidth = [&] { return std::max(W - (needV ? vbw : 0), 0); };
    auto viewHeight = [&] { return std::max(H - (needH ? hbh : 0), 0); };
    // One bar can make the other necessary; the answers settle within three evaluations.
    for (int round = 0; round < 3; ++round) {
        const bool h = startH && hasContent && right > viewWidth();
        const bool v = startV && hasContent && bottom > viewHeight();
        if (h == needH && v == needV)
            break;
        needH = h;
        needV = v;
    }
    const int vw = viewWidth();
    const int vh = viewHeight();

    QPointer<TavixQContainerImpl> alive(this);
    if (startH && !applyBar(true, needH, fitLength(right - vw), vw, QRect(0, H - hbh, vw, hbh)) && !alive)
        return;
    if (startV && isStillBound(vScrollBar, false)
        && !applyBar(false, needV, fitLength(bottom - vh), vh, QRect(W - vbw, 0, vbw, vh)) && !alive)
        return;
    updatingScroll = false;

    if (hScrollBar.data() != startH || vScrollBar.data() != startV) {
        // Code run from a bar unbound or deleted one: show the children at the offsets left and start over.
        offsetDirty = true;
        applyScrollOffset(true);
        if (alive)
            relayout();
        return;
    }
    const bool visibilityChanged = (startH && hadH != !hScrollBar->isHidden())
                                   || (startV && hadV != !vScrollBar->isHidden());
    if (visibilityChanged && childLayout != TavixQContainer::NoUse)
        relayout();
    else
        applyScrollOffset();
}

void TavixQContainerImpl::applyScrollOffset(bool force)
{
    if (updatingScroll || !container)
        return;
    if (!force && hScrollBar.isNull() && vScrollBar.isNull())
        return;
    // Every child already sits at this offset unless something placed one at another since.
    if (!offsetDirty && scrollX == appliedX && scrollY == appliedY)
        return;
    movingChildren = true;
    for (QObject *object : container->children()) {
        QWidget *w = contentChild(object);
        if (!w)
            continue;
        // A child never recorded sits where it is shown, as the filter and the bar update record it.
        const QRect target = baseGeometry(w, w->geometry().translated(scrollX, scrollY)).translated(-scrollX, -scrollY);
        if (w->geometry() != target)
            w->setGeometry(target);
    }
    movingChildren = false;
    appliedX = scrollX;
    appliedY = scrollY;
    offsetDirty = false;
}

void TavixQContainerImpl::dropBar(bool horizontal)
{
    QPointer<TavixQScrollBar> &slot = horizontal ? hScrollBar : vScrollBar;
    TavixQScrollBar *old = slot.data();
    slot = nullptr;
    (horizontal ? scrollX : scrollY) = 0;
    contentIndexValid = false;
    offsetDirty = true;
    if (!old)
        return;
    QObject::disconnect(old, nullptr, this, nullptr);
    old->removeEventFilter(container);
    old->setProperty(kBoundBarProperty, false);   // last: the property change reaches the bar's filters
}

void TavixQContainerImpl::bindScrollBar(TavixQScrollBar *bar, bool horizontal)
{
    if (!container)
        return;
    QPointer<TavixQContainerImpl> alive(this);
    QPointer<TavixQScrollBar> guarded(bar);
    QPointer<TavixQScrollBar> &slot = horizontal ? hScrollBar : vScrollBar;
    if (bar && bar == (horizontal ? vScrollBar.data() : hScrollBar.data()))
        dropBar(!horizontal);   // one bar serves one axis
    if (bar != slot.data()) {
        if (QPointer<TavixQScrollBar> old = slot.data()) {
            dropBar(horizontal);
            old->hide();
            if (!alive)
                return;
        } else {
            (horizontal ? scrollX : scrollY) = 0;
            offsetDirty = true;
        }
        if (guarded) {
            slot = bar;
            contentIndexValid = false;
            bar->installEventFilter(container);
            QObject::connect(bar, &QScrollBar::valueChanged, this, [this, horizontal](int value) {
                if (updatingScroll)
                    return;
                (horizontal ? scrollX : scrollY) = value;
                applyScrollOffset();
            });
            // Deleting the bound bar unbinds it: its offset must not keep the children scrolled away.
            QObject::connect(bar, &QObject::destroyed, this, [this, horizontal](QObject *dying) {
                // The bar is only part-destroyed here: drop it without touching it as a scroll bar.
                (horizontal ? hScrollBar : vScrollBar) = nullptr;
                (horizontal ? scrollX : scrollY) = 0;
                contentIndexValid = false;
                offsetDirty = true;
                dyingBar = dying;
                applyScrollOffset(true);   // during a bar update, that update applies it
                dyingBar = nullptr;
            });
            // A bar drives one container: re-parenting it makes the container holding it let go of it
            // (releaseMovedBar), before it is marked as this container's bar below.
            if (bar->parentWidget() != container)
                bar->setParent(container);
            if (alive && guarded)
                bar->setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
            if (alive && guarded)
                bar->setProperty(kBoundBarProperty, true);
            if (!alive)
                return;
        }
        applyScrollOffset(true);
        if (!alive)
            return;
    }
    // A full relayout: a bar that is already showing changes the room the rows have.
    relayout();
}

void TavixQContainerImpl::setScrollPos(bool horizontal, int pos)
{
    if (TavixQScrollBar *bar = horizontal ? hScrollBar.data() : vScrollBar.data()) {
        bar->setValue(qBound(bar->minimum(), pos, bar->maximum()));   // valueChanged applies it
        return;
    }
    // Kept within the range a widget position holds, so that moving the children cannot overflow.
    (horizontal ? scrollX : scrollY) = qBound(0, pos, kUnlimited);
    applyScrollOffset(true);
}

bool TavixQContainerImpl::startResizeAnimation(const QSize &from, const QSize &to, int durationMs)
{
    if (!container || animating)
        return false;
    const QSize start(std::max(from.width(), 0), std::max(from.height(), 0));
    const QSize end(std::max(to.width(), 0), std::max(to.height(), 0));
    animateWidth = start.width() != end.width();
    animateHeight = start.height() != end.height();
    animationTarget = end;
    if ((!animateWidth && !animateHeight) || durationMs <= 0) {
        applySize(end);
        return true;
    }
    if (!resizeAnimation) {
        resizeAnimation = new QVariantAnimation(this);
        QObject::connect(resizeAnimation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
            if (animating)
                applySize(value.toSize());
        });
        QObject::connect(resizeAnimation, &QVariantAnimation::finished, this, [this] {
            applySize(animationTarget);
            animating = false;
        });
    }
    // Setting the values emits valueChanged at the old progress (the old end after a finished run);
    // raising animating afterwards keeps those from resizing the container.
    resizeAnimation->setDuration(durationMs);
    resizeAnimation->setStartValue(start);
    resizeAnimation->setEndValue(end);
    resizeAnimation->setEasingCurve(QEasingCurve::OutCubic);
    animating = true;
    applySize(start);
    resizeAnimation->start();
    return true;
}

void TavixQContainerImpl::applySize(const QSize &size)
{
    if (!container)
        return;
    if (animateWidth) {
        container->setMinimumWidth(size.width());
        container->setMaximumWidth(size.width());
    }
    if (animateHeight) {
        container->setMinimumHeight(size.height());
        container->setMaximumHeight(size.height());
    }
    container->resize(animateWidth ? size.width() : container->width(),
                      animateHeight ? size.height() : container->height());
    container->updateGeometry();
    if (TavixQContainer *parent = qobject_cast<TavixQContainer *>(container->parentWidget()))
        parent->forceResize();
    else
        relayout();
}

void TavixQContainerImpl::bindWindowHandle(void *handle)
{
    if (handle == windowHandle)
        return;
    nativeWindow.reset();
    windowHandle = handle;
    // On Linux a native child window handle is an X11 window id; other platforms have no foreign windows.
    if (handle && QGuiApplication::platformName() == QLatin1String("xcb"))
        nativeWindow.reset(QWindow::fromWinId(WId(reinterpret_cast<quintptr>(handle))));
    moveNativeWindow();
}

void TavixQContainerImpl::moveNativeWindow()
{
    if (!windowHandle || !nativeWindow || !container)
        return;
    // The handle is a native child of the top-level window, so its geometry is in that window's coordinates.
    const QPoint topLeft = container->mapTo(container->window(), QPoint(0, 0));
    nativeWindow->setGeometry(QRect(topLeft, container->size()));
}

} // namespace TavixQtLib
