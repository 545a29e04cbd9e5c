#pragma once

#include "tavixqtlib_export.h"

#include <QWidget>

namespace TavixQtLib {

// A vertical line between a group's items.
class TAVIXQTLIB_EXPORT RibbonSeparator : public QWidget
{
    Q_OBJECT
public:
    explicit RibbonSeparator(QWidget *parent = nullptr) : QWidget(parent) {}

    QSize sizeHint() const override { return QSize(9, 64); }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace TavixQtLib
