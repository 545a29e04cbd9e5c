#include "controls/TavixQTabWidgetImpl.h"

#include "controls/TavixQTabWidget.h"
#include "core/TavixAccessible.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <json/value.h>

namespace TavixQtLib {

TavixQTabWidgetImpl::TavixQTabWidgetImpl(TavixQTabWidget *owner)
    : TavixQWidgetBaseImpl(owner, QString::fromLatin1(TavixQTabWidget::typeName()))
    , tab(owner)
{
    // Built-in looks for a bar without a theme: the selected cell must stand out.
    const QColor border(0xCC, 0xCC, 0xCC);
    itemBackgrounds[Normal].color = QColor(0xF5, 0xF5, 0xF5);
    itemBackgrounds[Hot].color = QColor(0xE3, 0xF1, 0xFD);
    itemBackgrounds[Pressed].color = QColor(0x2F, 0x80, 0xED);
    itemBackgrounds[Disable].color = QColor(0xF5, 0xF5, 0xF5);
    for (FillStyle &fill : itemBackgrounds) {
        fill.border = true;
        fill.borderSize = 1;
        fill.borderColor = border;
    }
    for (TextStyleDesc &text : itemTextStyles)
        text.hor = 1;
    itemTextStyles[Pressed].color = QColor(0xFF, 0xFF, 0xFF);
}

QRect TavixQTabWidgetImpl::cellRect(int index, bool horizontal, int itemSize, int itemSpace, const QSize &size)
{
    const int length = qBound(0, itemSize, QWIDGETSIZE_MAX);
    const qint64 offset = qint64(index) * (qint64(length) + itemSpace);
    const int at = int(qBound(qint64(-QWIDGETSIZE_MAX), offset, qint64(QWIDGETSIZE_MAX)));
    return horizontal ? QRect(at, 0, length, size.height()) : QRect(0, at, size.width(), length);
}

QRect TavixQTabWidgetImpl::cellRect(int index) const
{
    return cellRect(index, vertical == 0, itemSize, itemSpace, widget->size());
}

int TavixQTabWidgetImpl::cellAt(const QPoint &pos) const
{
    for (int i = 0; i < items.size(); ++i) {
        if (cellRect(i).contains(pos))
            return i;
    }
    return -1;
}

int TavixQTabWidgetImpl::keyTarget(int key) const
{
    const int count = items.size();
    if (count == 0)
        return -1;
    const int current = qBound(0, selectedIndex, count - 1);
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        return qMax(0, current - 1);
    case Qt::Key_Right:
    case Qt::Key_Down:
        return qMin(count - 1, current + 1);
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return count - 1;
    default:
        return -1;
    }
}

QRect TavixQTabWidgetImpl::focusFrameRect() const
{
    if (selectedIndex < 0 || selectedIndex >= items.size())
        return TavixQWidgetBaseImpl::focusFrameRect();
    const QRect cell = cellRect(selectedIndex).adjusted(2, 2, -2, -2);
    return cell.isEmpty() ? cellRect(selectedIndex) : cell;
}

void TavixQTabWidgetImpl::paint(QPainter *painter, const QRect &rect)
{
    drawFillStyle(painter, background, rect);
    for (int i = 0; i < items.size(); ++i) {
        const QRect cell = cellRect(i);
        if (!cell.intersects(rect))
            continue;   // clipped away anyway
        const TavixTabItem &item = items.at(i);
        const bool selected = i == selectedIndex;
        const int s = selected ? Pressed : (i == hotIndex ? Hot : Normal);
        drawFillStyle(painter, itemBackgrounds[s], cell);
        if (showText)
            drawTextStyle(painter, item.text, itemTextStyles[s], cell, &textLayouts);
        if (showIcon) {
            const QString &path = selected ? item.selectedIconPath : item.iconPath;
            if (!path.isEmpty())
                drawIconImage(painter, path, iconStyle, cell, false);
        }
    }
}

void TavixQTabWidgetImpl::mousePressEvent(QMouseEvent *event)
{
    TavixQWidgetBaseImpl::mousePressEvent(event);
    const int index = event ? cellAt(event->pos()) : -1;
    if (index < 0)
        return;
    selectedIndex = index;
    // The bar used the press: it must not reach a parent (a window would start a drag), and Qt must
    // not look at a bar that a slot deleted.
    event->accept();
    tab->update();
    tavixNotifyAccessibleSelection(tab, index);
    emit tab->currentChanged(index);   // last: a slot may delete the bar
}

void TavixQTabWidgetImpl::mouseMoveEvent(QMouseEvent *event)
{
    TavixQWidgetBaseImpl::mouseMoveEvent(event);
    const int index = event ? cellAt(event->pos()) : -1;
    // The gap between cells keeps the last cell hot until the pointer leaves the bar.
    if (index < 0 || index == hotIndex)
        return;
    hotIndex = index;
    tab->repaint();
}

void TavixQTabWidgetImpl::leaveEvent(QEvent *event)
{
    TavixQWidgetBaseImpl::leaveEvent(event);
    if (hotIndex == -1)
        return;
    hotIndex = -1;
    tab->repaint();
}

void TavixQTabWidgetImpl::createComplete()
{
    TavixQWidgetBaseImpl::createComplete();
    if (tavixIsQtEmulator())
        tab->initDemoData();
}

bool TavixQTabWidgetImpl::serializeJsonValue(Json::Value **node, bool read)
{
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read))
        return false;
    TavixStyleSlots styleSlots;
    styleSlots.fill(0, &background).fillGroup(1, itemBackgrounds, 4).textGroup(5, itemTextStyles, 4);

    if (read) {
        const Json::Value &target = **node;
        if (const Json::Value *attr = tavixAttrNode(target)) {
            int i = 0;
            bool b = false;
            if (tavixReadInt(*attr, "itemSize", i))
                itemSize = i;
            if (tavixReadBool(*attr, "isHor", b))
                vertical = b ? 0 : 1;
            else if (!TavixQResourceManager::getInstance()->isLoadFromThemeRes())
                vertical = 0;   // a page writes "isHor" only for a vertical bar; a theme entry only styles
            if (tavixReadInt(*attr, "itemSpace", i))
                itemSpace = i;
            if (tavixReadBool(*attr, "showText", b))
                showText = b;
            if (tavixReadBool(*attr, "hasIcon", b))
                showIcon = b;
        }
        styleSlots.read(target);
        tab->update();
        tab->updateGeometry();
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrInt(out, "itemSize", itemSize, 50);
    tavixWriteAttrBool(out, "isHor", vertical == 0, true);
    tavixWriteAttrInt(out, "itemSpace", itemSpace, 0);
    tavixWriteAttrBool(out, "showText", showText, true);
    tavixWriteAttrBool(out, "hasIcon", showIcon, true);
    styleSlots.write(out);
    return true;
}

} // namespace TavixQtLib
