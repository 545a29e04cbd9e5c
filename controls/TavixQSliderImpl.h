#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QRect>

namespace TavixQtLib {

class TavixQSlider;

// Private side of TavixQSlider: styles, thumb and channel sizes and the thumb's own hover state.
class TAVIXQTLIB_EXPORT TavixQSliderImpl : public TavixQWidgetBaseImpl
{
public:
    static constexpr int kDefaultChannel = 10;
    static constexpr int kDefaultThumb = 20;
    static constexpr int kMaxLength = 10000;    // bound of thumb sides and channel thickness, in pixels

    explicit TavixQSliderImpl(TavixQSlider *owner);

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    // The thumb keeps its own state: Hot only over the thumb, Pressed only when pressed on it.
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    // Share of the range the value has reached, 0..1; a range of one value counts as empty.
    static double fraction(int value, int minimum, int maximum);
    // The channel and its filled part in rect for a fraction f.
    QRect channelRect(const QRect &rect) const;
    QRect filledRect(const QRect &rect, double f) const;

    FillStyle background;
    FillStyle foreground;
    FillStyle thumbStyles[4];
    int channelHeight = kDefaultChannel;
    int thumbWidth = kDefaultThumb;
    int thumbHeight = kDefaultThumb;

private:
    void setState(int value);

    TavixQSlider *slider = nullptr;
};

} // namespace TavixQtLib
