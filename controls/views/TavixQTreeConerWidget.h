#pragma once

#include "tavixqtlib_export.h"

#include <QPointer>
#include <QWidget>

namespace TavixQtLib {

class TavixQTreeViewImpl;

// The corner between the tree's two scroll bars, painted with the tree's background.
class TAVIXQTLIB_EXPORT TavixQTreeConerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TavixQTreeConerWidget(TavixQTreeViewImpl *impl, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<TavixQTreeViewImpl> m_impl;     // the tree's; gone once the tree is being destroyed
};

} // namespace TavixQtLib
