#pragma once

#include "controls/views/TavixItemViewClicks.h"
#include "controls/views/TavixViewScrollBars.h"
#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QListWidget>

namespace TavixQtLib {

class TavixQListItemDelegate;

// Themed text list: rows painted from per-state fill and text styles, with an optional icon taken
// from the decoration role. Rows are painted only while visible; the list never makes a widget per
// row.
class TAVIXQTLIB_EXPORT TavixQList : public QListWidget, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQList)
public:
    explicit TavixQList(QWidget *parent = nullptr);
    ~TavixQList() override;

    // One background for the whole viewport; the state is ignored.
    void setBackground(CommonCtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CommonCtrlState state) const;
    // Rows: Normal plain, Hot under the pointer, Pressed selected (Disable is kept, not painted).
    // AllStates sets all four; other states outside 0..3 are ignored.
    void setItemBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getItemTextStyle(CtrlState state) const;
    // Row height in pixels; 0 means 20. Negative values store 0, values above 1000 store 1000.
    void setItemHeight(int height);
    int getItemHeight() const;
    // true: multi-selection, false: single selection. Reads true for any mode but single selection.
    void setIsMultiSelected(bool multi);
    bool getIsMultiSelected() const;

    TavixQListItemDelegate *getDelegate() const { return m_delegate; }
    TavixQScrollBar *getScrollBar(bool horizontal) const { return m_bars.bar(horizontal); }
    void setScrollbarBackgroundStyle(bool horizontal, const FillStyle &style);
    void setScrollbarButtonIcon(bool horizontal, bool up, const QString &path);
    void setScrollbarButtonIconStyle(bool horizontal, bool up, const IconStyleDesc &style);
    void setScrollbarButtonStyle(bool horizontal, bool up, CtrlState state, const FillStyle &style);
    void setScrollbarThumb(bool horizontal, const QString &path);
    void setScrollbarThumbStyle(bool horizontal, CtrlState state, const FillStyle &style);
    void setScrollbarSize(bool horizontal, int size);   // both bars

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // Qt paints the viewport; the focus frame goes over it.
    void paintEvent(QPaintEvent *event) override;
    TAVIX_DECLARE_FORWARDED_INPUT_EVENTS

private:
    friend class TavixQListImpl;
    TavixViewScrollBars m_bars;
    TavixQListItemDelegate *m_delegate = nullptr;
    TavixItemViewPress m_press;
};

} // namespace TavixQtLib
