#pragma once

#include "core/ControlInfo.h"
#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QRect>
#include <QSize>
#include <QSlider>

namespace TavixQtLib {

class TavixQSliderImpl;

// Themed slider: Qt's value model, keyboard and dragging, painted as a channel, its filled part and
// a thumb from fill styles. The kit's application style sizes the handle from getThumbBtnSize().
class TAVIXQTLIB_EXPORT TavixQSlider : public QSlider, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQSlider)
    TAVIX_DECLARE_FORWARDED_EVENTS

public:
    explicit TavixQSlider(QWidget *parent = nullptr);   // horizontal
    explicit TavixQSlider(Qt::Orientation orientation, QWidget *parent = nullptr);
    ~TavixQSlider() override;

    // One channel and one filled-part style for every state; the state argument is ignored.
    void setBackgroundStyle(CommonCtrlState state, const FillStyle &style);
    const FillStyle &getBackgroundStyle(CommonCtrlState state) const;
    void setForegroundStyle(CommonCtrlState state, const FillStyle &style);
    const FillStyle &getForegroundStyle(CommonCtrlState state) const;
    // state may be AllStates; other values outside 0..3 are ignored (getters then answer Normal).
    void setThumbStyle(CtrlState state, const FillStyle &style);
    const FillStyle &getThumbStyle(CtrlState state) const;
    // Pixels; clamped to 0..10000.
    void setThumbSize(int width, int height);
    void getThumbSize(int &width, int &height) const;
    QSize getThumbBtnSize() const;
    // The thumb's extent along the groove: its width when horizontal, else its height.
    int getSliderLength() const;
    // Thickness of the channel in pixels; clamped to 0..10000.
    void setChannelHeight(int height);
    int getChannelHeight() const;
    void setIsHorizontal(bool horizontal);
    bool getIsHorizontal() const;
    // The style's handle rectangle with the thumb's size (top-left kept).
    QRect getThumbRect() const;

    // Fills option as the style sees this slider; null is ignored.
    void initStyleOption(QStyleOptionSlider *option) const;
};

} // namespace TavixQtLib
