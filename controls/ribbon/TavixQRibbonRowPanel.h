#pragma once

#include "tavixqtlib_export.h"

#include <QList>
#include <QWidget>

namespace TavixQtLib {

class TavixQPushButton;

// A horizontal strip of ribbon buttons, placed left to right 6 pixels apart.
class TAVIXQTLIB_EXPORT TavixQRibbonRowPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TavixQRibbonRowPanel(QWidget *parent = nullptr);

    // A new ribbon button without caption, appended to the strip.
    TavixQPushButton *addButton(int style);
    QList<QWidget *> getItems() const { return m_items; }

    // Width: the items' widths and the gaps between them; height: the tallest item.
    QSize sizeHint() const override;

protected:
    // An item deleted by its owner leaves the list.
    void childEvent(QChildEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void appendItem(QWidget *item);

private:
    QList<QWidget *> m_items;
};

} // namespace TavixQtLib
