#pragma once

#include "core/ControlInfo.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixQWidgetBase.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QWidget>

namespace TavixQtLib {

class TavixQGroupBoxImpl;

// A one-pixel frame with a caption set into its top edge.
class TAVIXQTLIB_EXPORT TavixQGroupBox : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
public:
    explicit TavixQGroupBox(QWidget *parent = nullptr);
    ~TavixQGroupBox() override;

    static QWidget *createTavixQGroupBox();
    static const char *typeName();
    static ControlInfo getProps();

    TavixQWidgetBase *getControlBase() override { return &m_base; }
    QString getTypeName() const override;
    TavixQWidgetBaseImpl *getControlImpl() const override;
    TavixQGroupBoxImpl *getImpl() const { return m_impl; }

    // Through the class setGeometry is Qt's; through the interface it also makes the layout Absolute.
    using QWidget::setGeometry;

    void setText(const QString &text);
    QString getText() const;
    // One text style and one background for every state; the state argument is ignored.
    void setTextStyle(CommonCtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getTextStyle(CommonCtrlState state) const;
    void setBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CtrlState state) const;
    void setLineColor(const QColor &color);
    QColor getLineColor() const;
    // Raises the bottom edge to lineSize pixels above the bottom; the pen stays one pixel wide.
    void setLineSize(int size);
    int getLineSize() const;
    void setShowText(bool show);
    bool getShowText() const;

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
    TavixQGroupBoxImpl *m_impl = nullptr;      // owned; created in the constructor
};

} // namespace TavixQtLib
