#include "controls/views/TavixQTreeViewItemDelegate.h"

#include "controls/views/TavixQListItemDelegate.h"
#include "controls/views/TavixQTreeViewImpl.h"
#include "core/TavixTypes.h"

#include <QIcon>
#include <QPainter>

namespace TavixQtLib {

namespace {

constexpr int kIconGap = 4;     // the icon rectangle is the icon's side plus this

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
    painter->save();
    const int s = TavixQTreeViewImpl::rowStyleIndex(option.state & QStyle::State_MouseOver,
                                                    option.state & QStyle::State_Selected);
    const QRect row = option.rect;
    TavixQWidgetBaseImpl::drawFillStyle(painter, impl->itemBackgrounds[s], row);

    QRect textRect = row;
    const QVariant decoration = index.data(Qt::DecorationRole);
    if (decoration.isValid()) {
        const int side = TavixQListItemDelegate::iconSide(row.height());
        const QRect iconRect(row.x(), row.y(), side + kIconGap, row.height());
        textRect.setLeft(row.left() + side + kIconGap);
        if (decoration.userType() == QMetaType::QIcon) {
            TavixQWidgetBaseImpl::drawIconPixmap(painter, decoration.value<QIcon>(), QSize(side, side),
                                                 IconStyleDesc(), iconRect);
        } else if (decoration.userType() == QMetaType::QString) {
            TavixQWidgetBaseImpl::drawIconImage(painter, decoration.toString(), IconStyleDesc(), iconRect, false);
        }
    }
    TavixQWidgetBaseImpl::drawTextStyle(painter, index.data(Qt::DisplayRole).toString(), impl->itemTextStyles[s],
                                        textRect);
    painter->restore();
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
        width += TavixQListItemDelegate::iconSide(height) + kIconGap;
    return QSize(tavixClampCoord(width + 2), height);    // drawTextStyle elides 2 pixels short of the rectangle
}

} // namespace TavixQtLib
