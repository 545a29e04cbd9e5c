#include "StatusDot.h"

#include <QMouseEvent>
#include <QPainter>

using namespace TavixQtLib;

StatusDot::StatusDot(QWidget *parent)
    : QWidget(parent)
{
    m_impl = new StatusDotImpl(this);
    m_impl->applyTheme();   // a new control already wears its theme entry ("statusdot")
}

StatusDot::~StatusDot()
{
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(StatusDot, "statusdot")
TAVIX_DEFINE_FORWARDED_EVENTS(StatusDot, QWidget)

ControlInfo StatusDot::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "StatusDot", "Status dot", "Round status light", "switch");

    PropertyDef on = tavixPropertyDef(QStringLiteral("On"), Bool);
    on.setBool = tavixBindAccessor(&StatusDot::setOn);
    on.getBool = tavixBindAccessor(&StatusDot::isOn);
    info.properties.push_back(on);

    PropertyDef caption = tavixPropertyDef(QStringLiteral("Caption"), String);
    caption.setString = tavixBindAccessor(&StatusDot::setCaption);
    caption.getString = tavixBindAccessor(&StatusDot::caption);
    info.properties.push_back(caption);

    PropertyDef light = tavixPropertyDef(QStringLiteral("Light"), FillStyleRef);
    light.addOption(0, QStringLiteral("Off"));
    light.addOption(1, QStringLiteral("On"));
    light.setFillStyle = tavixBindAccessor(&StatusDot::setLightStyle);
    light.getFillStyle = tavixBindAccessor(&StatusDot::lightStyle);
    info.properties.push_back(light);
    return info;
}

void StatusDot::setOn(bool on)
{
    if (m_impl->on == on)
        return;
    m_impl->on = on;
    update();
    emit toggled(on);
}

bool StatusDot::isOn() const
{
    return m_impl->on;
}

void StatusDot::setCaption(const QString &caption)
{
    m_impl->caption = caption;
    update();
}

QString StatusDot::caption() const
{
    return m_impl->caption;
}

void StatusDot::setLightStyle(int on, const FillStyle &style)
{
    m_impl->light[on ? 1 : 0] = style;
    update();
}

FillStyle StatusDot::lightStyle(int on) const
{
    return m_impl->light[on ? 1 : 0];
}

StatusDotImpl::StatusDotImpl(QWidget *widget)
    : TavixQWidgetBaseImpl(widget, QString::fromLatin1(StatusDot::typeName()))
{
    // Built-in looks for a page without a theme entry.
    for (FillStyle &style : light) {
        style.round = 6;
        style.border = true;
        style.borderSize = 1;
    }
    light[0].color = QColor(200, 205, 212);
    light[1].color = QColor(52, 199, 89);
}

void StatusDotImpl::paint(QPainter *painter, const QRect &rect)
{
    const int side = qMin(rect.height(), 12);
    const QRect dot(rect.left(), rect.center().y() - side / 2, side, side);
    drawFillStyle(painter, light[on ? 1 : 0], dot);
    drawTextStyle(painter, caption, captionStyle, rect.adjusted(side + 6, 0, 0, 0));
}

void StatusDotImpl::mouseReleaseEvent(QMouseEvent *event)
{
    TavixQWidgetBaseImpl::mouseReleaseEvent(event);
    if (widget->rect().contains(event->pos()))
        static_cast<StatusDot *>(widget)->setOn(!on);   // may be the last thing this object does
}

bool StatusDotImpl::serializeJsonValue(Json::Value **node, bool read)
{
    // "attr" and the theme entry first, then this control's own keys over them.
    const bool result = TavixQWidgetBaseImpl::serializeJsonValue(node, read);
    if (!node || !*node)
        return result;
    TavixStyleSlots styles(this);
    styles.fill(OffSlot, &light[0]).fill(OnSlot, &light[1]).text(CaptionSlot, &captionStyle);
    if (read) {
        styles.read(**node);
        tavixReadString(**node, "caption", caption);
        if (const Json::Value *attr = tavixAttrNode(**node))
            tavixReadBool(*attr, "on", on);
        widget->update();
        return result;
    }
    styles.write(**node);
    if (!caption.isEmpty())
        (**node)["caption"] = caption.toStdString();
    tavixWriteAttrBool(**node, "on", on, false);
    return result;
}
