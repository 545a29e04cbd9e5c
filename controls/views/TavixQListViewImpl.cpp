#include "controls/views/TavixQListViewImpl.h"

#include "controls/TavixQContainer.h"
#include "controls/TavixQScrollBar.h"
#include "controls/views/TavixItemExtent.h"
#include "controls/views/TavixQListViewItemDelegate.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"

#include <json/value.h>

#include <QEvent>
#include <QPainter>

namespace TavixQtLib {

namespace {

// Rows whose control rectangles are kept for hit testing; older rows are laid out again on demand.
constexpr int kMaxCachedRows = 1024;

} // namespace

TavixQListViewImpl::TavixQListViewImpl(TavixQListView *view)
    : TavixQWidgetBaseImpl(view, QString::fromLatin1(TavixQListView::typeName()))
    , view(view)
{
    for (FillStyle &style : itemBackgrounds)
        style.valid = false;
}

int TavixQListViewImpl::rowStyleIndex(bool mouseOver, bool selected)
{
    if (selected)
        return Pressed;
    return mouseOver ? Hot : Normal;
}

bool TavixQListViewImpl::prepareRow(const QModelIndex &index, const QSize &size, int styleIndex)
{
    QWidget *tpl = itemTemplate;
    if (!tpl || !view)
        return false;
    auto *container = qobject_cast<TavixQContainer *>(tpl);
    if (container) {
        const FillStyle &entry = itemBackgrounds[qBound(0, styleIndex, 2)];
        const FillStyle &wanted = entry.valid ? entry : templateBackground;
        if (container->getBackground() != wanted)
            container->setBackground(wanted);
    }
    if (itemDisplayCallBack)
        itemDisplayCallBack(view, tpl, index);
    if (tpl->size() != size)
        tpl->resize(size);
    // A hidden widget gets no resize event, so the container is laid out here.
    if (container)
        container->forceResize();

    if (rowLayoutCache.size() >= kMaxCachedRows)
        rowLayoutCache.clear();
    QVector<ControlRect> rects;
    const auto &widgets = view->getDelegate()->getWidgets();
    for (int i = 1; i < widgets.size(); ++i) {
        QWidget *control = widgets.at(i);
        if (!control || control->isHidden())
            continue;
        const TavixQWidgetBaseImpl *impl = fromWidget(control);
        if (impl && !impl->delegateItemVisible)
            continue;
        rects.append({control, QRect(control->mapTo(tpl, QPoint(0, 0)), control->size())});
    }
    rowLayoutCache.insert(index.row(), rects);
    return true;
}

QWidget *TavixQListViewImpl::controlAt(const QModelIndex &index, const QSize &rowSize, const QPoint &point)
{
    if (!itemTemplate || !index.isValid())
        return nullptr;
    auto found = rowLayoutCache.constFind(index.row());
    if (found == rowLayoutCache.constEnd()) {
        if (!prepareRow(index, rowSize, Normal))
            return nullptr;
        found = rowLayoutCache.constFind(index.row());
    }
    // Later entries lie deeper or on top of earlier ones.
    const QVector<ControlRect> &rects = found.value();
    for (int i = rects.size() - 1; i >= 0; --i) {
        if (rects.at(i).control && rects.at(i).rect.contains(point))
            return rects.at(i).control;
    }
    return itemTemplate;
}

void TavixQListViewImpl::clearRowCaches()
{
    rowLayoutCache.clear();
    rowTextCache.clear();
}

bool TavixQListViewImpl::serializeJsonValue(Json::Value **node, bool read)
{
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read) || !view)
        return false;
    TavixStyleSlots styleSlots;
    styleSlots.fill(0, &background).fillGroup(2, itemBackgrounds, 4, false);

    if (read) {
        const Json::Value &in = **node;
        if (const Json::Value *attr = tavixAttrNode(in)) {
            int value = 0;
            if (tavixReadInt(*attr, "itemHeight", value))
                view->setItemHeight(value);
            if (tavixReadInt(*attr, "itemWidth", value))
                view->setItemWidth(value);
            if (tavixReadInt(*attr, "spacing", value))
                view->setItemSpace(value);
            if (tavixReadInt(*attr, "itemMode", value))
                view->setItemMode(value != 0 ? 1 : 0);
        }
        view->m_bars.readChildNodes(in);
        styleSlots.read(in);
        view->viewport()->update();
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrInt(out, "itemHeight", itemHeight, kDefaultItemExtent);
    tavixWriteAttrInt(out, "itemWidth", itemWidth, kDefaultItemExtent);
    tavixWriteAttrInt(out, "spacing", view->spacing(), 0);
    tavixAttrObject(out)["itemMode"] = view->getItemMode();
    styleSlots.write(out);
    view->m_bars.writeChildNodes(out);
    return true;
}

void TavixQListViewImpl::createComplete()
{
    if (!view)
        return;
    view->m_bars.removeLoaderBars(view);
    if (itemTemplate && itemTemplate->parentWidget() == view)
        return;
    for (QObject *child : view->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (w && w != view->viewport() && dynamic_cast<ITavixQWidgetBase *>(w)
            && !qobject_cast<TavixQScrollBar *>(w)) {
            view->setItemTemplate(w);
            return;
        }
    }
}

bool TavixQListViewImpl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && view && watched == view->viewport()) {
        QPainter painter(view->viewport());
        drawFillStyle(&painter, background, view->viewport()->rect());
    }
    return TavixQWidgetBaseImpl::eventFilter(watched, event);
}

} // namespace TavixQtLib
