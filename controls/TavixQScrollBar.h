#pragma once

#include "core/ControlInfo.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixQWidgetBase.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QScrollBar>

class QStyleOptionSlider;

namespace TavixQtLib {

class TavixQScrollBarImpl;

// A QScrollBar whose groove, arrow buttons and thumb are painted with per-state fill styles and
// optional icons; Qt does the scrolling.
class TAVIXQTLIB_EXPORT TavixQScrollBar : public QScrollBar, public ITavixQWidgetBase
{
    Q_OBJECT
public:
    explicit TavixQScrollBar(QWidget *parent = nullptr);     // vertical
    explicit TavixQScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);
    ~TavixQScrollBar() override;

    static QWidget *createTavixQScrollBar();
    static const char *typeName();
    static ControlInfo getProps();

    TavixQWidgetBase *getControlBase() override { return &m_base; }
    QString getTypeName() const override;
    TavixQWidgetBaseImpl *getControlImpl() const override;
    TavixQScrollBarImpl *getImpl() const { return m_impl; }

    // Through the class setGeometry is Qt's; through the interface it also makes the layout Absolute.
    using QWidget::setGeometry;

    // Groove style; one style for every state, the state argument is ignored.
    void setScrollbarBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getScrollbarBackground(CtrlState state) const;
    // Per-state part styles; AllStates sets all four.
    void setScrollbarUpButton(CtrlState state, const FillStyle &style);
    const FillStyle &getScrollbarUpButton(CtrlState state) const;
    void setScrollbarDownButton(CtrlState state, const FillStyle &style);
    const FillStyle &getScrollbarDownButton(CtrlState state) const;
    void setScrollbarThumb(CtrlState state, const FillStyle &style);
    const FillStyle &getScrollbarThumb(CtrlState state) const;

    // up: the sub-line (up or left) button, else the add-line button.
    void setScrollbarBtnIcon(bool up, const QString &path);
    QString getScrollbarBtnIcon(bool up) const;
    void setScrollbarIconStyle(bool up, const IconStyleDesc &style);
    IconStyleDesc getScrollbarIconStyle(bool up) const;
    void setScrollbarThumbIcon(const QString &path);
    QString getScrollbarThumbIcon() const;

    // Thickness of the size hint across the bar; -1 keeps the style's.
    void setWidthHeight(int thickness);
    int getWidthHeight() const;
    QSize sizeHint() const override;

    // Fills option as the style sees this bar; null is ignored.
    void initStyleOption(QStyleOptionSlider *option) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setUp();

    TavixQWidgetBase m_base{this};
    TavixQScrollBarImpl *m_impl = nullptr;     // owned; created in the constructor
};

} // namespace TavixQtLib
