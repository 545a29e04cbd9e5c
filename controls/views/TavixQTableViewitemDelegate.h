#pragma once

#include "tavixqtlib_export.h"

#include <QImage>
#include <QItemDelegate>

namespace TavixQtLib {

class TavixQTableViewImpl;

// Paints the cells of a TavixQTableView: background by row state, text, an optional icon (an image
// path in role Qt::UserRole + 100), the check mark of column 0 and a column's container.
class TAVIXQTLIB_EXPORT TavixQTableViewitemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    static constexpr int kIconRole = Qt::UserRole + 100;

    TavixQTableViewitemDelegate(TavixQTableViewImpl *impl, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // Presses, checks and clicks are the view's; Qt's own check toggling would flip a row twice.
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    TavixQTableViewImpl *impl = nullptr;    // owned by the view, which owns this delegate too
    mutable QImage cellImage;               // reused buffer for container cells
};

} // namespace TavixQtLib
