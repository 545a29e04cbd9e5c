#include "controls/TavixQSliderImpl.h"

#include "controls/TavixQSlider.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QMouseEvent>
#include <QPointer>

#include <json/value.h>

namespace TavixQtLib {

TavixQSliderImpl::TavixQSliderImpl(TavixQSlider *owner)
    : TavixQWidgetBaseImpl(owner, QString::fromLatin1(TavixQSlider::typeName()))
    , slider(owner)
{
}

double TavixQSliderImpl::fraction(int value, int minimum, int maximum)
{
    // In double: the difference of two ints may not fit an int.
    const double span = maximum == minimum ? 100.0 : double(maximum) - double(minimum);
    return qBound(0.0, (double(value) - double(minimum)) / span, 1.0);
}

QRect TavixQSliderImpl::channelRect(const QRect &rect) const
{
    if (slider && slider->orientation() == Qt::Vertical)
        return QRect(rect.left() + (rect.width() - channelHeight) / 2, rect.top(), channelHeight, rect.height());
    return QRect(rect.left(), rect.top() + (rect.height() - channelHeight) / 2, rect.width(), channelHeight);
}

QRect TavixQSliderImpl::filledRect(const QRect &rect, double f) const
{
    const QRect channel = channelRect(rect);
    if (slider && slider->orientation() == Qt::Vertical) {
        // Grows upwards from the bottom, where a vertical slider has its minimum.
        const int height = int(f * rect.height());
        return QRect(channel.left(), rect.top() + rect.height() - height, channel.width(), height);
    }
    return QRect(channel.left(), channel.top(), int(f * rect.width()), channel.height());
}

void TavixQSliderImpl::paint(QPainter *painter, const QRect &rect)
{
    if (!slider)
        return;
    const double f = fraction(slider->value(), slider->minimum(), slider->maximum());
    drawFillStyle(painter, background, channelRect(rect));
    drawFillStyle(painter, foreground, filledRect(rect, f));
    drawFillStyle(painter, thumbStyles[tavixStateIndex(state)], slider->getThumbRect());
}

void TavixQSliderImpl::setState(int value)
{
    if (state == value)
        return;
    state = value;
    if (widget)
        widget->update();
}

void TavixQSliderImpl::enterEvent(QEvent *)
{
    // Hover over the thumb is followed only while the pointer is over the slider.
    if (widget)
        widget->setMouseTracking(true);
}

void TavixQSliderImpl::leaveEvent(QEvent *)
{
    if (widget)
        widget->setMouseTracking(false);
    setState(Normal);
}

void TavixQSliderImpl::mousePressEvent(QMouseEvent *event)
{
    // Qt has already handled the press; a click on the channel moves the value but not the thumb's look.
    if (state != Pressed && slider && slider->getThumbRect().contains(event->pos()))
        setState(Pressed);
}

void TavixQSliderImpl::mouseReleaseEvent(QMouseEvent *event)
{
    if (slider)
        setState(slider->getThumbRect().contains(event->pos()) ? Hot : Normal);
}

void TavixQSliderImpl::mouseMoveEvent(QMouseEvent *event)
{
    if (state == Pressed || !slider)
        return;
    setState(slider->getThumbRect().contains(event->pos()) ? Hot : Normal);
}

bool TavixQSliderImpl::serializeJsonValue(Json::Value **node, bool read)
{
    // The base may redirect *node to the control's theme entry; it rejects nodes that are not objects.
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read) || !slider)
        return false;
    TavixStyleSlots styleSlots;
    styleSlots.fill(0, &background).fill(2, &foreground).fillGroup(4, thumbStyles, 4);

    if (read) {
        const Json::Value &target = **node;
        const Json::Value *attr = tavixAttrNode(target);
        const Json::Value empty;
        const Json::Value &a = attr ? *attr : empty;
        int i = 0;
        if (tavixReadInt(a, "thumbW", i))
            thumbWidth = qBound(0, i, kMaxLength);
        if (tavixReadInt(a, "thumbH", i))
            thumbHeight = qBound(0, i, kMaxLength);
        if (tavixReadInt(a, "channelSize", i))
            channelHeight = qBound(0, i, kMaxLength);
        styleSlots.read(target);
        slider->updateGeometry();
        slider->update();
        // A theme entry styles sliders of both orientations; it never turns them or moves their values.
        if (TavixQResourceManager::getInstance()->isLoadFromThemeRes())
            return true;
        bool horizontal = true;
        tavixReadBool(a, "isHor", horizontal);
        slider->setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
        // Each of these may emit to user code, which may delete the slider and this object with it.
        QPointer<TavixQSlider> alive(slider);
        if (tavixReadInt(a, "max", i))
            alive->setMaximum(i);
        if (alive && tavixReadInt(a, "min", i))
            alive->setMinimum(i);
        int value = 0;
        tavixReadInt(a, "val", value);
        if (alive)
            alive->setSliderPosition(value);
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrBool(out, "isHor", slider->orientation() == Qt::Horizontal, true);
    tavixWriteAttrInt(out, "thumbW", thumbWidth, kDefaultThumb);
    tavixWriteAttrInt(out, "thumbH", thumbHeight, kDefaultThumb);
    tavixWriteAttrInt(out, "channelSize", channelHeight, kDefaultChannel);
    tavixWriteAttrInt(out, "min", slider->minimum(), 0);
    tavixWriteAttrInt(out, "max", slider->maximum(), 100);
    tavixWriteAttrInt(out, "val", slider->value(), 0);
    styleSlots.write(out);
    return true;
}

} // namespace TavixQtLib
