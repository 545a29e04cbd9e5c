#pragma once

#include "tavixqtlib_export.h"

#include <QHeaderView>

namespace TavixQtLib {

class TavixQTableView;

// Header of a TavixQTableView: sections painted with the table's header styles and, in the
// horizontal header of a check-style table, the check-all box in section 0.
class TAVIXQTLIB_EXPORT TavixQTableHeader : public QHeaderView
{
    Q_OBJECT
public:
    TavixQTableHeader(Qt::Orientation orientation, TavixQTableView *table);

    // The check-all box in viewport coordinates; empty when the header shows none.
    QRect checkRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    TavixQTableView *table = nullptr;   // the parent
};

} // namespace TavixQtLib
