#pragma once

#include "tavixqtlib_export.h"

#include <QItemDelegate>

namespace TavixQtLib {

struct FillStyle;
struct TextStyleDesc;

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
    // Paints one row as the list and tree rows look: the background over the whole row, the index's
    // decoration (QIcon or image path) in a square of iconSide plus 4 at the left, then the display text.
    static void paintIconTextRow(QPainter *painter, const QRect &row, const QModelIndex &index,
                                 const FillStyle &background, const TextStyleDesc &text);

private:
    TavixQListImpl *impl = nullptr;     // owned by the list, which owns this delegate too
};

} // namespace TavixQtLib
