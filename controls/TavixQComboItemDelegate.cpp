#include "controls/TavixQComboItemDelegate.h"

#include "controls/TavixQComboBoxImpl.h"
#include "core/TavixQtCompat.h"

#include <QPainter>

namespace TavixQtLib {

namespace {

constexpr int kMaxRowHeight = 10000;

} // namespace

TavixQComboItemDelegate::TavixQComboItemDelegate(TavixQComboBoxImpl *impl, QObject *parent)
    : QItemDelegate(parent)
    , m_impl(impl)
{
}

void TavixQComboItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    if (!m_impl) {
        QItemDelegate::paint(painter, option, index);
        return;
    }
    painter->save();
    const int look = TavixQComboBoxImpl::rowLook(option.state);
    const QRect row = option.rect;
    TavixQWidgetBaseImpl::drawFillStyle(painter, m_impl->itemBackgrounds[look], row);
    QRect textRect = row;
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    if (!icon.isNull()) {
        const int side = TavixQComboBoxImpl::kIconSide;
        const int column = TavixQComboBoxImpl::kIconColumn;
        TavixQWidgetBaseImpl::drawIconPixmap(painter, icon, QSize(side, side), IconStyleDesc(),
                                             QRect(row.x(), row.y(), column, row.height()));
        textRect.setLeft(row.left() + column);
    }
    TavixQWidgetBaseImpl::drawTextStyle(painter, index.data(Qt::DisplayRole).toString(),
                                        m_impl->itemTextStyles[look], textRect);
    painter->restore();
}

QSize TavixQComboItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!m_impl)
        return QItemDelegate::sizeHint(option, index);
    // Rows far beyond any screen would overflow the view's row positions.
    return QSize(tavixListRowWidth(option), qBound(1, m_impl->itemHeight, kMaxRowHeight));
}

} // namespace TavixQtLib
