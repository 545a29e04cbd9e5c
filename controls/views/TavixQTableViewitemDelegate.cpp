#include "controls/views/TavixQTableViewitemDelegate.h"

#include "controls/TavixQContainer.h"
#include "controls/views/TavixQTableViewImpl.h"
#include "resources/TavixPainting.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>

namespace TavixQtLib {

TavixQTableViewitemDelegate::TavixQTableViewitemDelegate(TavixQTableViewImpl *impl, QObject *parent)
    : QItemDelegate(parent)
    , impl(impl)
{
}

void TavixQTableViewitemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    if (!index.isValid() || !impl)
        return;
    painter->save();
    const QRect cell = option.rect;
    const bool checkColumn = impl->checkStyle && index.column() == 0;
    QRect textRect(cell.x(), cell.y(), cell.width(), impl->rowHeight());
    if (checkColumn)
        textRect.setLeft(cell.left() + impl->checkImageSize.width() + 10);

    QRect iconRect;
    const QVariant icon = index.data(kIconRole);
    QString iconPath;
    if (icon.userType() == QMetaType::QString) {
        iconPath = icon.toString();
        const QSize size = TavixQWidgetBaseImpl::imageSize(iconPath, false);
        if (size.isValid() && !size.isEmpty()) {
            const int width = qMin(size.width(), 1000) + 10;
            iconRect = QRect(textRect.left(), textRect.top(), width, textRect.height());
            textRect.setLeft(textRect.left() + width);
        }
    }

    const int s = TavixQTableViewImpl::cellStyleIndex(option.state & QStyle::State_Selected,
                                                      (option.state & QStyle::State_MouseOver)
                                                          || index.row() == impl->hoverRow);
    const FillStyle &fill = (s == Normal && impl->alternateRows && index.row() % 2 == 0) ? impl->alternateBackground
                                                                                        : impl->itemBackgrounds[s];
    // The fill spans the whole row, clipped to the cell, so that borders and gradients read as one
    // row rather than a box per cell.
    QRect row = cell;
    if (const auto *table = qobject_cast<const QTableView *>(parent())) {
        const QHeaderView *header = table->horizontalHeader();
        row.setLeft(-header->offset());
        row.setWidth(qMax(header->length(), 1));
    }
    painter->setClipRect(cell, Qt::IntersectClip);
    TavixQWidgetBaseImpl::drawFillStyle(painter, fill, row);
    TavixQWidgetBaseImpl::drawTextStyle(painter, index.data(Qt::DisplayRole).toString(), impl->itemTextStyles[s],
                                        textRect);
    if (iconRect.isValid())
        TavixQWidgetBaseImpl::drawIconImage(painter, iconPath, IconStyleDesc(), iconRect, false);
    if (checkColumn) {
        const int state = index.data(Qt::CheckStateRole).toInt();
        impl->paintCheck(painter, impl->checkRectIn(cell),
                         state == Qt::Checked ? Qt::Checked
                                              : (state == Qt::PartiallyChecked ? Qt::PartiallyChecked : Qt::Unchecked),
                         impl->itemTextStyles[s].color);
    }

    if (TavixQContainer *container = impl->preparedContainer(index.column(), cell.size())) {
        // Rendered through a buffer, which also places it right when the table is rendered elsewhere.
        const qreal dpr = tavixPainterPixelRatio(painter);
        const QSize pixels = cell.size() * dpr;
        if (cellImage.size() != pixels)
            cellImage = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        cellImage.setDevicePixelRatio(dpr);
        cellImage.fill(Qt::transparent);
        container->render(&cellImage, QPoint(), QRegion(), QWidget::DrawChildren);
        painter->drawImage(cell.topLeft(), cellImage);
    }
    painter->restore();
}

bool TavixQTableViewitemDelegate::editorEvent(QEvent *, QAbstractItemModel *, const QStyleOptionViewItem &,
                                              const QModelIndex &)
{
    return false;
}

} // namespace TavixQtLib
