#pragma once

#include "tavixqtlib_export.h"

#include <QPointer>
#include <QWidget>

namespace TavixQtLib {

class TavixQTreeViewImpl;

// The tree's viewport. As a viewport its paint events reach the tree, whose event filter paints the
// background first; drawn on its own (rendered apart from the tree) it paints the background itself.
class TAVIXQTLIB_EXPORT TavixQTreeViewport : public QWidget
{
    Q_OBJECT
public:
    explicit TavixQTreeViewport(TavixQTreeViewImpl *impl, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<TavixQTreeViewImpl> m_impl;     // the tree's; gone once the tree is being destroyed
};

} // namespace TavixQtLib
