#include "controls/views/TavixQListViewItemDelegate.h"

#include "controls/views/TavixItemExtent.h"
#include "controls/views/TavixQListViewImpl.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixQtCompat.h"
#include "resources/TavixPainting.h"

#include <QImage>
#include <QListView>
#include <QPainter>

namespace TavixQtLib {

namespace {

constexpr int kMaxCallbackSide = 10000;

} // namespace

TavixQListViewItemDelegate::TavixQListViewItemDelegate(TavixQListViewImpl *impl, QObject *parent)
    : QItemDelegate(parent)
    , impl(impl)
{
}

void TavixQListViewItemDelegate::setWidgets(QWidget *itemTemplate)
{
    widgets.clear();
    if (!itemTemplate)
        return;
    widgets.append(itemTemplate);
    const auto inner = itemTemplate->findChildren<QWidget *>();
    for (QWidget *w : inner) {
        if (dynamic_cast<ITavixQWidgetBase *>(w))
            widgets.append(w);
    }
}

void TavixQListViewItemDelegate::clearHighLight()
{
    for (int &value : highLight)
        value = -1;
    selAnchor = selPosition = TavixTextPlace();
    pressed = false;
}

void TavixQListViewItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    if (!index.isValid() || !impl || !hasTemplate())
        return;
    const int s = TavixQListViewImpl::rowStyleIndex(option.state & QStyle::State_MouseOver,
                                                    option.state & QStyle::State_Selected);
    const QRect row = option.rect;
    if (!row.isValid() || !impl->prepareRow(index, row.size(), s))
        return;
    // Rendered into a buffer first: rendering straight into the painter lands in the wrong place when
    // the view itself is being rendered into another device. The template is hidden; render() draws
    // it and its children as if shown.
    const qreal dpr = tavixPainterPixelRatio(painter);
    const QSize pixels = row.size() * dpr;
    if (rowImage.size() != pixels)
        rowImage = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    rowImage.setDevicePixelRatio(dpr);
    rowImage.fill(Qt::transparent);
    widgets.first()->render(&rowImage, QPoint(), QRegion(), QWidget::DrawChildren);
    painter->drawImage(row.topLeft(), rowImage);
}

QSize TavixQListViewItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!impl)
        return QSize(tavixListRowWidth(option), kDefaultItemExtent);
    if (impl->itemForSizeCallBack && hasTemplate()) {
        const auto *view = qobject_cast<const TavixQListView *>(parent());
        const QSize size = impl->itemForSizeCallBack(view, option, index);
        return QSize(qBound(0, size.width(), kMaxCallbackSide), qBound(0, size.height(), kMaxCallbackSide));
    }
    const int height = tavixEffectiveItemExtent(impl->itemHeight);
    const auto *view = qobject_cast<const QListView *>(parent());
    if (view && view->viewMode() == QListView::IconMode)
        return QSize(tavixEffectiveItemExtent(impl->itemWidth), height);
    return QSize(tavixListRowWidth(option), height);
}

} // namespace TavixQtLib
