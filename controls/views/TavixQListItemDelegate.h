#pragma once

#include "tavixqtlib_export.h"

#include <QItemDelegate>

namespace TavixQtLib {

class TavixQListImpl;

// Paints the rows of a TavixQList from the list's styles: background by row state, an optional icon
// (QIcon or image path in the decoration role) and the display text.
class TAVIXQTLIB_EXPORT TavixQListItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    TavixQListItemDelegate(TavixQListImpl *impl, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Icon side for a row of the given height: 16 below 25 pixels, 24 up to 32, 32 above.
    static int iconSide(int rowHeight);

private:
    TavixQListImpl *impl = nullptr;     // owned by the list, which owns this delegate too
};

} // namespace TavixQtLib
