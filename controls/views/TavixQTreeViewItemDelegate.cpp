#include "controls/views/TavixQTreeViewItemDelegate.h"

#include "controls/views/TavixQListItemDelegate.h"
#include "controls/views/TavixQTreeViewImpl.h"
#include "core/TavixTypes.h"

#include <QIcon>
#include <QPainter>

namespace TavixQtLib {

namespace {

constexpr int kTreeIconGap = 4;     // the icon rectangle is the icon's side plus this

} // namespace

TavixQTreeViewItemDelegate::TavixQTreeViewItemDelegate(TavixQTreeViewImpl *impl, QObject *parent)
    : QItemDelegate(parent)
    , impl(impl)
{
}

void TavixQTreeViewItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    if (!index.isValid() || !impl)
        return;
    const int s = TavixQTreeViewImpl::rowStyleIndex(option.state & QStyle::State_MouseOver,
                                                    option.state & QStyle::State_Selected);
    TavixQListItemDelegate::paintIconTextRow(painter, option.rect, index, impl->itemBackgrounds[s],
                                             impl->itemTextStyles[s]);
}

QSize TavixQTreeViewItemDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const int height = impl ? impl->rowHeight() : 20;
    if (!impl || !index.isValid())
        return QSize(0, height);
    // The widest of the four text styles, so a row never clips when its state changes.
    const QString text = index.data(Qt::DisplayRole).toString();
    long long width = 0;    // a page's text offset may be near INT_MAX
    for (const TextStyleDesc &style : impl->itemTextStyles)
        width = qMax(width, (long long)TavixQWidgetBaseImpl::measureText(style, text).width() + qMax(0, style.x));
    if (index.data(Qt::DecorationRole).isValid())
        width += TavixQListItemDelegate::iconSide(height) + kTreeIconGap;
    return QSize(tavixClampCoord(width + 2), height);    // drawTextStyle elides 2 pixels short of the rectangle
}

} // namespace TavixQtLib
