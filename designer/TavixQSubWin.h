#pragma once

#include "designer/TavixQFramelessWindow.h"
#include "tavixqtlib_export.h"

#include <QWidget>

namespace TavixQtLib {

// A frameless child or top-level window that the user drags by its body or caption and resizes at its
// borders. While it holds the mouse after a press, presses on other kit windows do nothing.
class TAVIXQTLIB_EXPORT TavixQSubWin : public QWidget, public TavixQFramelessWindow
{
    Q_OBJECT
public:
    explicit TavixQSubWin(QWidget *parent = nullptr);
    ~TavixQSubWin() override;

    static const char *typeName() { return "TavixSubWin"; }
    QString getTypeName() const { return QString::fromLatin1(typeName()); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace TavixQtLib
