#include "controls/views/TavixQTableHeader.h"

#include "controls/views/TavixQTableView.h"
#include "controls/views/TavixQTableViewImpl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace TavixQtLib {

TavixQTableHeader::TavixQTableHeader(Qt::Orientation orientation, TavixQTableView *table)
    : QHeaderView(orientation, table)
    , table(table)
{
}

QRect TavixQTableHeader::checkRect() const
{
    TavixQTableViewImpl *impl = table ? table->getImpl() : nullptr;
    if (!impl || !impl->checkStyle || orientation() != Qt::Horizontal || count() == 0 || isSectionHidden(0))
        return QRect();
    return QRect(sectionViewportPosition(0) + 5, 0, impl->checkImageSize.width(), height());
}

void TavixQTableHeader::paintEvent(QPaintEvent *)
{
    TavixQTableViewImpl *impl = table ? table->getImpl() : nullptr;
    if (!impl)
        return;
    QPainter painter(viewport());
    const FillStyle &fill = impl->headerBackgrounds[Normal];
    const TextStyleDesc &text = impl->headerTextStyles[Normal];
    TavixQWidgetBaseImpl::drawFillStyle(&painter, fill, viewport()->rect());
    if (count() == 0)
        return;
    const bool horizontal = orientation() == Qt::Horizontal;
    const int extent = horizontal ? viewport()->width() : viewport()->height();
    // Only the sections in view, so that a header over 100 000 rows paints a page's worth.
    int first = visualIndexAt(0);
    int last = visualIndexAt(extent - 1);
    if (first < 0)
        first = 0;
    if (last < 0)
        last = count() - 1;
    for (int visual = first; visual <= last; ++visual) {
        const int logical = logicalIndex(visual);
        if (logical < 0 || isSectionHidden(logical))
            continue;
        const int pos = sectionViewportPosition(logical);
        const int size = sectionSize(logical);
        const QRect section = horizontal ? QRect(pos, 0, size, height()) : QRect(0, pos, width(), size);
        TavixQWidgetBaseImpl::drawFillStyle(&painter, fill, section);
        QRect textRect = section;
        if (horizontal && logical == 0 && impl->checkStyle) {
            textRect.setLeft(section.left() + impl->checkImageSize.width() + 10);
            impl->paintCheck(&painter, checkRect(), impl->headerState, text.color);
        }
        const QString caption = model() ? model()->headerData(logical, orientation(), Qt::DisplayRole).toString()
                                        : QString();
        TavixQWidgetBaseImpl::drawTextStyle(&painter, caption, text, textRect);
    }
}

void TavixQTableHeader::mousePressEvent(QMouseEvent *event)
{
    TavixQTableViewImpl *impl = table ? table->getImpl() : nullptr;
    if (impl && event->button() == Qt::LeftButton && checkRect().contains(event->pos())) {
        QPointer<TavixQTableHeader> alive(this);
        // From partly checked a press checks every row.
        impl->setAllChecked(impl->headerState != Qt::Checked);
        if (!alive)
            return;
    }
    QHeaderView::mousePressEvent(event);
}

} // namespace TavixQtLib
