#pragma once

#include "controls/TavixTextPlace.h"
#include "tavixqtlib_export.h"

#include <QImage>
#include <QItemDelegate>
#include <QPointer>
#include <QVector>

namespace TavixQtLib {

class TavixQListViewImpl;

// Draws each row of a TavixQListView by rendering the view's template laid out for that row.
class TAVIXQTLIB_EXPORT TavixQListViewItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    TavixQListViewItemDelegate(TavixQListViewImpl *impl, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The template first, then every kit control inside it (depth first).
    void setWidgets(QWidget *itemTemplate);
    const QVector<QPointer<QWidget>> &getWidgets() const { return widgets; }
    bool hasTemplate() const { return !widgets.isEmpty() && widgets.first(); }
    void clearHighLight();
    void detach() { impl = nullptr; }

    // Text selection in one row's extended label: row, index of the label in getWidgets(), and the
    // anchor and moving end as character positions in the label's text. All -1 when cleared.
    int highLight[4] = {-1, -1, -1, -1};
    TavixTextPlace selAnchor;               // the same two ends as places in the label's layout
    TavixTextPlace selPosition;
    bool pressed = false;

private:
    TavixQListViewImpl *impl = nullptr;     // owned by the view, which owns this delegate too
    QVector<QPointer<QWidget>> widgets;
    mutable QImage rowImage;                // reused for every row of the same size
};

} // namespace TavixQtLib
