#include "controls/views/TavixQListImpl.h"

#include "controls/views/TavixItemExtent.h"
#include "controls/views/TavixQList.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixNodeEntries.h"

#include <json/value.h>

#include <QEvent>
#include <QPainter>

namespace TavixQtLib {

namespace {

constexpr int kDemoRows = 20;

} // namespace

TavixQListImpl::TavixQListImpl(TavixQList *list)
    : TavixQWidgetBaseImpl(list, QString::fromLatin1(TavixQList::typeName()))
    , TavixItemRowStyles(kDefaultItemExtent)
    , list(list)
{
}

int TavixQListImpl::rowStyleIndex(bool mouseOver, bool selected)
{
    if (mouseOver)
        return Hot;
    return selected ? Pressed : Normal;
}

bool TavixQListImpl::serializeJsonValue(Json::Value **node, bool read)
{
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read) || !list)
        return false;
    TavixStyleSlots styleSlots;
    styleSlots.fill(0, &background).fillGroup(2, itemBackgrounds, 4).textGroup(6, itemTextStyles, 4);

    if (read) {
        const Json::Value &in = **node;
        if (const Json::Value *attr = tavixAttrNode(in)) {
            bool multi = false;
            int height = 0;
            if (tavixReadBool(*attr, "multiselect", multi))
                list->setIsMultiSelected(multi);
            if (tavixReadInt(*attr, "itemHeight", height))
                list->setItemHeight(height);
        }
        list->m_bars.readChildNodes(in);
        styleSlots.read(in);
        list->viewport()->update();
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrBool(out, "multiselect", list->selectionMode() == QAbstractItemView::MultiSelection, false);
    tavixWriteAttrInt(out, "itemHeight", itemHeight, kDefaultItemExtent);
    styleSlots.write(out);
    list->m_bars.writeChildNodes(out);
    return true;
}

void TavixQListImpl::createComplete()
{
    if (!list)
        return;
    list->m_bars.removeLoaderBars(list);
    if (tavixIsQtEmulator() && list->count() == 0) {
        for (int i = 0; i < kDemoRows; ++i)
            list->addItem(QStringLiteral("item %1").arg(i));
    }
}

bool TavixQListImpl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && list && watched == list->viewport()) {
        QPainter painter(list->viewport());
        drawFillStyle(&painter, background, list->viewport()->rect());
    }
    return TavixQWidgetBaseImpl::eventFilter(watched, event);
}

} // namespace TavixQtLib
