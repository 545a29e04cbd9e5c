#pragma once

#include "tavixqtlib_export.h"

#include <QItemDelegate>
#include <QPointer>

namespace TavixQtLib {

class TavixQTreeViewImpl;

// Paints the rows of a TavixQTreeView from the tree's styles: background by row state, an optional icon
// (QIcon or image path in the decoration role) and the display text. Qt draws branches and indentation.
class TAVIXQTLIB_EXPORT TavixQTreeViewItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    TavixQTreeViewItemDelegate(TavixQTreeViewImpl *impl, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The tree's row height, and a width that fits the row's text and icon.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QPointer<TavixQTreeViewImpl> impl;     // owned by the tree; gone once the tree is being destroyed
};

} // namespace TavixQtLib
