#include "controls/views/TavixQListItemDelegate.h"

#include "controls/views/TavixQListImpl.h"
#include "core/TavixQtCompat.h"

#include <QIcon>
#include <QPainter>

namespace TavixQtLib {

TavixQListItemDelegate::TavixQListItemDelegate(TavixQListImpl *impl, QObject *parent)
    : QItemDelegate(parent)
    , impl(impl)
{
}

int TavixQListItemDelegate::iconSide(int rowHeight)
{
    if (rowHeight < 25)
        return 16;
    return rowHeight <= 32 ? 24 : 32;
}

void TavixQListItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    if (!index.isValid() || !impl)
        return;
    const int s = TavixQListImpl::rowStyleIndex(option.state & QStyle::State_MouseOver,
                                                option.state & QStyle::State_Selected);
    paintIconTextRow(painter, option.rect, index, impl->itemBackgrounds[s], impl->itemTextStyles[s]);
}

void TavixQListItemDelegate::paintIconTextRow(QPainter *painter, const QRect &row, const QModelIndex &index,
                                              const FillStyle &background, const TextStyleDesc &text)
{
    painter->save();
    TavixQWidgetBaseImpl::drawFillStyle(painter, background, row);

    QRect textRect = row;
    const QVariant decoration = index.data(Qt::DecorationRole);
    if (decoration.isValid()) {
        const int side = iconSide(row.height());
        const QRect iconRect(row.x(), row.y(), side + 4, row.height());
        textRect.setLeft(row.left() + side + 4);
        if (decoration.userType() == QMetaType::QIcon) {
            TavixQWidgetBaseImpl::drawIconPixmap(painter, decoration.value<QIcon>(), QSize(side, side),
                                                 IconStyleDesc(), iconRect);
        } else if (decoration.userType() == QMetaType::QString) {
            TavixQWidgetBaseImpl::drawIconImage(painter, decoration.toString(), IconStyleDesc(), iconRect, false);
        }
    }
    TavixQWidgetBaseImpl::drawTextStyle(painter, index.data(Qt::DisplayRole).toString(), text, textRect);
    painter->restore();
}

QSize TavixQListItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(tavixListRowWidth(option), impl ? impl->rowHeight() : 20);
}

} // namespace TavixQtLib
