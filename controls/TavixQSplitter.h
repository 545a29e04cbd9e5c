#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QWidget>

namespace TavixQtLib {

// A painted bar between two widgets. Dragging it resizes them along its axis, each kept at or above
// its limit; with isHor the widgets sit left and right and the bar moves along x.
class TAVIXQTLIB_EXPORT TavixQSplitter : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQSplitter)
public:
    explicit TavixQSplitter(QWidget *parent = nullptr);
    ~TavixQSplitter() override;

    void setIsHor(bool hor);
    bool getIsHor() const;
    // The separated widgets are not owned; a deleted one reads back as null.
    void setUpLeftWidget(QWidget *widget);
    QWidget *getUpLeftWidget() const;
    void setDownRightWidget(QWidget *widget);
    QWidget *getDownRightWidget() const;
    // Smallest extent a dragged neighbour keeps along the axis; -1 = no limit of its own.
    void setUpLeftLimit(int limit);
    int getUpLeftLimit() const;
    void setDownRightLimit(int limit);
    int getDownRightLimit() const;

    void setBackground(const FillStyle &style);
    FillStyle getBackground() const;

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    TAVIX_DECLARE_FORWARDED_EVENTS
};

} // namespace TavixQtLib
