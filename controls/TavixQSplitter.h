#pragma once

#include "core/ControlInfo.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixQWidgetBase.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QWidget>

namespace TavixQtLib {

class TavixQSplitterImpl;

// A painted bar between two widgets. Dragging it resizes them along its axis, each kept at or above
// its limit; with isHor the widgets sit left and right and the bar moves along x.
class TAVIXQTLIB_EXPORT TavixQSplitter : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
public:
    explicit TavixQSplitter(QWidget *parent = nullptr);
    ~TavixQSplitter() override;

    static QWidget *createTavixQSplitter();
    static const char *typeName();
    static ControlInfo getProps();

    TavixQWidgetBase *getControlBase() override { return &m_base; }
    QString getTypeName() const override;
    TavixQWidgetBaseImpl *getControlImpl() const override;
    TavixQSplitterImpl *getImpl() const { return m_impl; }

    // Through the class setGeometry is Qt's; through the interface it also makes the layout Absolute.
    using QWidget::setGeometry;

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
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    TavixQWidgetBase m_base{this};
    TavixQSplitterImpl *m_impl = nullptr;      // owned; created in the constructor
};

} // namespace TavixQtLib
