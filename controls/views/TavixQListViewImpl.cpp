#include "controls/views/TavixQListViewImpl.h"

#include "controls/TavixQContainer.h"
#include "controls/TavixQLabelEx.h"
#include "controls/TavixQScrollBar.h"
#include "controls/views/TavixItemExtent.h"
#include "controls/views/TavixQListViewItemDelegate.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"

#include <json/value.h>

#include <QEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>

namespace TavixQtLib {

namespace {

// Rows whose control rectangles are kept for hit testing; older rows are laid out again on demand.
constexpr int kMaxCachedRows = 1024;

TavixQLabelExImpl *selectableLabelImpl(QWidget *control)
{
    auto *label = qobject_cast<TavixQLabelEx *>(control);
    if (!label || !(label->textInteractionFlags() & Qt::TextSelectableByMouse))
        return nullptr;
    return qobject_cast<TavixQLabelExImpl *>(TavixQWidgetBaseImpl::fromWidget(label));
}

int textPosition(const TavixQLabelExImpl *impl, const TavixTextPlace &place)
{
    if (!place.isValid())
        return -1;
    return impl->document->findBlockByNumber(place.block).position() + place.position;
}

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
    const auto &widgets = view->getDelegate()->getWidgets();
    if (labelExCallBack) {
        for (int i = 1; i < widgets.size(); ++i) {
            if (auto *label = qobject_cast<TavixQLabelEx *>(widgets.at(i)))
                labelExCallBack(view, label, index);
        }
    }
    if (tpl->size() != size)
        tpl->resize(size);
    // A hidden widget gets no resize event, so the container is laid out here.
    if (container)
        container->forceResize();
    applyTextSelection(index.row());

    if (rowLayoutCache.size() >= kMaxCachedRows)
        rowLayoutCache.clear();
    QVector<ControlRect> rects;
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

void TavixQListViewImpl::applyTextSelection(int row)
{
    const TavixQListViewItemDelegate *delegate = view->getDelegate();
    const auto &widgets = delegate->getWidgets();
    bool cached = !enableSelection || rowTextCache.contains(row);
    for (int i = 1; i < widgets.size(); ++i) {
        auto *label = qobject_cast<TavixQLabelEx *>(widgets.at(i));
        auto *impl = label ? qobject_cast<TavixQLabelExImpl *>(fromWidget(label)) : nullptr;
        if (!impl)
            continue;
        if (!cached) {
            if (rowTextCache.size() >= kMaxCachedRows)
                rowTextCache.clear();
            rowTextCache.insert(row, label->getHtmlContent());
            cached = true;
        }
        // The template is shared by every row: only the row holding the selection shows it.
        if (enableSelection && delegate->highLight[0] == row && delegate->highLight[1] == i) {
            impl->selStart = delegate->selAnchor;
            impl->selEnd = delegate->selPosition;
        } else {
            impl->clearSelection();
        }
    }
}

int TavixQListViewImpl::selectableTextAt(const QModelIndex &index, const QRect &row, const QPoint &pos,
                                         TavixTextPlace *place)
{
    if (!enableSelection || !index.isValid() || !prepareRow(index, row.size(), Normal))
        return -1;
    const QPoint inRow = pos - row.topLeft();
    QWidget *control = controlAt(index, row.size(), inRow);
    TavixQLabelExImpl *impl = selectableLabelImpl(control);
    if (!impl)
        return -1;
    const TavixTextPlace hit = impl->hitTest(control->mapFrom(itemTemplate, inRow));
    if (!hit.isValid())
        return -1;
    if (place)
        *place = hit;
    return view->getDelegate()->getWidgets().indexOf(control);
}

bool TavixQListViewImpl::startTextSelection(const QModelIndex &index, const QRect &row, const QPoint &pos)
{
    TavixQListViewItemDelegate *delegate = view->getDelegate();
    const int previous = delegate->highLight[0];
    delegate->clearHighLight();
    if (previous >= 0)
        updateRow(previous);
    TavixTextPlace hit;
    const int control = selectableTextAt(index, row, pos, &hit);
    if (control < 0)
        return false;
    const auto *impl = selectableLabelImpl(delegate->getWidgets().at(control));
    const int at = textPosition(impl, hit);
    delegate->highLight[0] = index.row();
    delegate->highLight[1] = control;
    delegate->highLight[2] = at;
    delegate->highLight[3] = at;
    delegate->selAnchor = delegate->selPosition = hit;
    delegate->pressed = true;
    updateRow(index.row());
    return true;
}

void TavixQListViewImpl::extendTextSelection(const QPoint &pos)
{
    TavixQListViewItemDelegate *delegate = view->getDelegate();
    const QModelIndex index = view->model() ? view->model()->index(delegate->highLight[0], 0, view->rootIndex())
                                            : QModelIndex();
    const auto &widgets = delegate->getWidgets();
    if (!delegate->pressed || !index.isValid() || delegate->highLight[1] < 1 || delegate->highLight[1] >= widgets.size())
        return;
    QWidget *control = widgets.at(delegate->highLight[1]);
    TavixQLabelExImpl *impl = selectableLabelImpl(control);
    const QRect row = view->visualRect(index);
    if (!impl || !row.isValid() || !prepareRow(index, row.size(), Normal))
        return;
    // Beside the text the selection keeps its last end.
    const TavixTextPlace hit = impl->hitTest(control->mapFrom(itemTemplate, pos - row.topLeft()));
    if (!hit.isValid() || hit == delegate->selPosition)
        return;
    delegate->selPosition = hit;
    delegate->highLight[3] = textPosition(impl, hit);
    updateRow(index.row());
}

bool TavixQListViewImpl::overSelectableText(const QPoint &pos)
{
    if (!enableSelection || !itemTemplate)
        return false;
    const QModelIndex index = view->indexAt(pos);
    return selectableTextAt(index, view->visualRect(index), pos, nullptr) >= 0;
}

void TavixQListViewImpl::updateRow(int row)
{
    if (!view->model())
        return;
    const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
    if (index.isValid())
        view->viewport()->update(view->visualRect(index));
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
