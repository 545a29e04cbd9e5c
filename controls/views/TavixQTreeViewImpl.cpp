#include "controls/views/TavixQTreeViewImpl.h"

#include "controls/views/TavixQTreeView.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixNodeEntries.h"

#include <json/value.h>

#include <QEvent>
#include <QPainter>

namespace TavixQtLib {

TavixQTreeViewImpl::TavixQTreeViewImpl(TavixQTreeView *tree)
    : TavixQWidgetBaseImpl(tree, QString::fromLatin1(TavixQTreeView::typeName()))
    , TavixItemRowStyles(0)
    , tree(tree)
{
}

int TavixQTreeViewImpl::rowStyleIndex(bool mouseOver, bool selected)
{
    if (selected)
        return Pressed;
    return mouseOver ? Hot : Normal;
}

bool TavixQTreeViewImpl::serializeJsonValue(Json::Value **node, bool read)
{
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read) || !tree)
        return false;
    TavixStyleSlots styleSlots;
    styleSlots.fill(0, &background).fillGroup(2, itemBackgrounds, 4).textGroup(6, itemTextStyles, 4);

    if (read) {
        const Json::Value &in = **node;
        if (const Json::Value *attr = tavixAttrNode(in)) {
            int height = 0;
            if (tavixReadInt(*attr, "itemHeight", height))
                tree->setItemHeight(height);
        }
        tree->m_bars.readChildNodes(in);
        styleSlots.read(in);
        tree->viewport()->update();
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrInt(out, "itemHeight", itemHeight, 0);
    styleSlots.write(out);
    tree->m_bars.writeChildNodes(out);
    return true;
}

void TavixQTreeViewImpl::createComplete()
{
    if (!tree)
        return;
    tree->m_bars.removeLoaderBars(tree);
    if (tavixIsQtEmulator() && (!tree->model() || !tree->model()->rowCount()))
        tree->initDemoData();
}

bool TavixQTreeViewImpl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && tree && watched == tree->viewport()) {
        QPainter painter(tree->viewport());
        drawFillStyle(&painter, background, tree->viewport()->rect());
    }
    return TavixQWidgetBaseImpl::eventFilter(watched, event);
}

} // namespace TavixQtLib
