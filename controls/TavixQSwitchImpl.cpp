#include "controls/TavixQSwitchImpl.h"

#include "controls/TavixQSwitch.h"
#include "core/TavixAccessible.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QPainter>
#include <QPointer>
#include <QVariantAnimation>

#include <json/value.h>

namespace TavixQtLib {

TavixQSwitchImpl::TavixQSwitchImpl(TavixQSwitch *owner)
    : TavixQWidgetBaseImpl(owner, QString::fromLatin1(TavixQSwitch::typeName()))
    , control(owner)
{
    // Owned here rather than by the widget, so that it dies with the slots it drives.
    animation = new QVariantAnimation(this);
    connect(animation, &QVariantAnimation::valueChanged, this, &TavixQSwitchImpl::valueChanged);
    connect(animation, &QVariantAnimation::finished, this, &TavixQSwitchImpl::finished);
}

TavixQSwitchImpl::~TavixQSwitchImpl()
{
    animating = false;
    animation->disconnect(this);
    delete animation;
    animation = nullptr;
}

int TavixQSwitchImpl::travel(int width) const
{
    return qMax(0, width - 2 * margin - thumbSize.width());
}

QRect TavixQSwitchImpl::thumbRect(const QRect &rect) const
{
    // Resting, the thumb follows its side: a new side, width, margin or thumb size moves it at once.
    const int offset = animating && thumbX >= 0 ? thumbX : switchToLeft ? 0 : travel(rect.width());
    return QRect(rect.left() + margin + offset, rect.top() + margin, thumbSize.width(), thumbSize.height());
}

QRect TavixQSwitchImpl::leftTextRect(const QRect &rect) const
{
    return QRect(rect.left() + margin, rect.top() + margin, thumbSize.width(), thumbSize.height());
}

QRect TavixQSwitchImpl::rightTextRect(const QRect &rect) const
{
    // No margin on the right: the box ends at the widget's edge.
    return QRect(rect.left() + rect.width() - thumbSize.width(), rect.top() + margin, thumbSize.width(),
                 thumbSize.height());
}

void TavixQSwitchImpl::paint(QPainter *painter, const QRect &rect)
{
    const QRect thumb = thumbRect(rect);
    if (!animating)
        thumbX = thumb.left() - rect.left() - margin;
    drawFillStyle(painter, background, rect);
    drawFillStyle(painter, thumbStyles[tavixStateIndex(state)], thumb);
    if (!showText)
        return;
    const QRect leftBox = leftTextRect(rect);
    const QRect rightBox = rightTextRect(rect);
    if (showAllText) {
        // The text at the thumb's end takes the left style, the other one the right style.
        drawTextStyle(painter, leftText, switchToLeft ? leftTextStyle : rightTextStyle, leftBox, &textLayouts);
        drawTextStyle(painter, rightText, switchToLeft ? rightTextStyle : leftTextStyle, rightBox, &textLayouts);
    } else if (switchToLeft) {
        drawTextStyle(painter, rightText, rightTextStyle, rightBox, &textLayouts);
    } else {
        drawTextStyle(painter, leftText, leftTextStyle, leftBox, &textLayouts);
    }
}

void TavixQSwitchImpl::mousePressEvent(QMouseEvent *event)
{
    TavixQWidgetBaseImpl::mousePressEvent(event);
    toggle();
}

void TavixQSwitchImpl::toggle()
{
    if (animating || !control)
        return;
    animating = true;
    const int end = travel(control->width());
    const int from = switchToLeft ? 0 : end;
    thumbX = from;
    animation->setStartValue(from);
    animation->setEndValue(switchToLeft ? end : 0);
    animation->setDuration(speed);
    // A zero duration may finish inside start(); finished() then runs user code, so nothing follows.
    animation->start(QAbstractAnimation::KeepWhenStopped);
}

QString TavixQSwitchImpl::stateText() const
{
    return switchToLeft != showAllText ? rightText : leftText;
}

void TavixQSwitchImpl::announceStateText(const QString &before) const
{
    const QString now = stateText();
    if (control && now != before)
        tavixNotifyAccessibleValue(control, now);
}

void TavixQSwitchImpl::setSide(bool left)
{
    if (animating) {
        animating = false;      // finished() ignores a toggle that was cut short
        animation->stop();
    }
    if (control)
        control->update();
    if (switchToLeft == left)
        return;
    switchToLeft = left;
    tavixNotifyAccessibleChecked(control);
    if (control)
        emit control->toggled(!left);   // may delete the switch and this object
}

void TavixQSwitchImpl::valueChanged(const QVariant &value)
{
    if (!animating)
        return;
    thumbX = value.toInt();
    if (control)
        control->update();
}

void TavixQSwitchImpl::finished()
{
    if (!animating)
        return;
    animating = false;
    // The side changes only once the thumb has arrived.
    setSide(!switchToLeft);
}

bool TavixQSwitchImpl::serializeJsonValue(Json::Value **node, bool read)
{
    // The base may redirect *node to the control's theme entry; it rejects nodes that are not objects.
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read))
        return false;
    TavixStyleSlots styleSlots;
    styleSlots.fill(0, &background).fillGroup(2, thumbStyles, 4).text(6, &leftTextStyle).text(7, &rightTextStyle);

    if (read) {
        const Json::Value &target = **node;
        const Json::Value *attr = tavixAttrNode(target);
        const Json::Value empty;
        const Json::Value &a = attr ? *attr : empty;
        // A theme entry styles a switch: it changes neither its texts nor its side, and a key it
        // leaves out keeps the page's value.
        const bool fromTheme = TavixQResourceManager::getInstance()->isLoadFromThemeRes();
        int i = 0;
        int width = fromTheme ? thumbSize.width() : kDefaultThumb;
        int height = fromTheme ? thumbSize.height() : kDefaultThumb;
        if (tavixReadInt(a, "thumbW", i))
            width = i;
        if (tavixReadInt(a, "thumbH", i))
            height = i;
        thumbSize = QSize(qBound(0, width, kMaxLength), qBound(0, height, kMaxLength));
        if (tavixReadInt(a, "speed", i) && i >= 0)
            speed = qMin(i, kMaxSpeed);
        if (tavixReadInt(a, "margin", i))
            margin = qBound(0, i, kMaxLength);
        styleSlots.read(target);
        control->updateGeometry();   // thumb and margin make the size hint
        if (fromTheme) {
            control->update();
            return true;
        }
        const QString before = stateText();
        leftText.clear();
        rightText.clear();
        tavixReadString(a, "leftText", leftText);
        tavixReadString(a, "rightText", rightText);
        announceStateText(before);
        bool on = false;
        tavixReadBool(a, "on", on);
        setSide(!on);   // last: emits, and a slot may delete the switch
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrString(out, "leftText", leftText);
    tavixWriteAttrString(out, "rightText", rightText);
    // Compared with what a reader assumes for a missing key, so that any size survives a save.
    tavixWriteAttrInt(out, "thumbW", thumbSize.width(), kDefaultThumb);
    tavixWriteAttrInt(out, "thumbH", thumbSize.height(), kDefaultThumb);
    tavixWriteAttrInt(out, "speed", speed, kDefaultSpeed);
    Json::Value &attr = tavixAttrObject(out);
    if (switchToLeft)
        attr.removeMember("on");
    else
        attr["on"] = true;
    tavixWriteAttrInt(out, "margin", margin, kDefaultMargin);
    styleSlots.write(out);
    return true;
}

} // namespace TavixQtLib
