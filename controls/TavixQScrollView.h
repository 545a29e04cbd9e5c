#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QScrollArea>

namespace TavixQtLib {

class TavixQScrollBar;

// A scroll area with a themed background whose two bars are kit scroll bars. When the page is
// complete, its first TavixQContainer child becomes the scrolled content.
class TAVIXQTLIB_EXPORT TavixQScrollView : public QScrollArea, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQScrollView)
public:
    explicit TavixQScrollView(QWidget *parent = nullptr);
    ~TavixQScrollView() override;

    void setHScrollPos(int pos);
    int getHScrollPos() const;
    void setVScrollPos(int pos);
    int getVScrollPos() const;
    // Follows a bar set with setVerticalScrollBar()/setHorizontalScrollBar(); null when that is no kit bar.
    TavixQScrollBar *getScrollBar(bool horizontal) const;

    // One background for every state; the state argument is ignored.
    void setBackground(CommonCtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CommonCtrlState state) const;

    // Restyle the horizontal bar (hor true) or the vertical one; up selects the sub-line button. A plain
    // QScrollBar put in place of a kit bar has none of these styles and is left as it is.
    void setScrollbarBackgroundStyle(bool hor, const FillStyle &style);
    void setScrollbarButtonStyle(bool hor, bool up, CtrlState state, const FillStyle &style);
    void setScrollbarButtonIcon(bool hor, bool up, const QString &path);
    void setScrollbarButtonIconStyle(bool hor, bool up, const IconStyleDesc &style);
    void setScrollbarThumbStyle(bool hor, CtrlState state, const FillStyle &style);
    void setScrollbarThumb(bool hor, const QString &icon);
    // Style sheets on the bars; each call replaces the whole sheet of the bars it touches.
    void setScrollbarSize(bool hor, int size);      // both bars, whatever hor says
    void setScrollbarBtnSize(bool hor, int size);

signals:
    void scrollPosChanged(int dx, int dy);

protected:
    bool event(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    TAVIX_DECLARE_FORWARDED_INPUT_EVENTS

private:
    // The kit bar the area holds now, asked of the area each time: setVerticalScrollBar() and
    // setHorizontalScrollBar() delete the bar they replace. Null when the replacement is no kit bar.
    TavixQScrollBar *bar(bool hor) const;
};

} // namespace TavixQtLib
