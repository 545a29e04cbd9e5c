#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QScrollBar>

class QStyleOptionSlider;

namespace TavixQtLib {

// A QScrollBar whose groove, arrow buttons and thumb are painted with per-state fill styles and
// optional icons; Qt does the scrolling.
class TAVIXQTLIB_EXPORT TavixQScrollBar : public QScrollBar, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQScrollBar)
public:
    explicit TavixQScrollBar(QWidget *parent = nullptr);     // vertical
    explicit TavixQScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);
    ~TavixQScrollBar() override;

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

    TAVIX_DECLARE_FORWARDED_EVENTS

private:
    void setUp();
};

} // namespace TavixQtLib
