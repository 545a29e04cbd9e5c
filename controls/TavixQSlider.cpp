#include "controls/TavixQSlider.h"

#include "controls/TavixQSliderImpl.h"

#include <QStyle>
#include <QStyleOptionSlider>

namespace TavixQtLib {

TAVIX_DEFINE_CONTROL(TavixQSlider, "qtslider")
TAVIX_DEFINE_FORWARDED_EVENTS(TavixQSlider, QSlider)

TavixQSlider::TavixQSlider(QWidget *parent)
    : TavixQSlider(Qt::Horizontal, parent)
{
}

TavixQSlider::TavixQSlider(Qt::Orientation orientation, QWidget *parent)
    : QSlider(parent)
{
    setOrientation(orientation);
    // A saved slider leaves out a maximum of 100 and keeps the current one when reading; starting at 100
    // (QSlider starts at 99) makes such a slider load as it was saved.
    setMaximum(100);
    m_impl = new TavixQSliderImpl(this);
    m_impl->applyTheme();
}

TavixQSlider::~TavixQSlider()
{
    tavixDestroyImpl(this, m_impl);
}

ControlInfo TavixQSlider::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQSlider";
    info.displayName = "Slider";
    info.description = "Control Slider";
    info.iconName = "slider";
    info.properties = tavixCommonPropertyDefs();

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    background.addOption(CommonNormal, QStringLiteral("Normal"));
    background.addOption(CommonDisable, QStringLiteral("Disable"));
    background.setFillStyle = tavixBindAccessor(&TavixQSlider::setBackgroundStyle);
    background.getFillStyle = tavixBindAccessor(&TavixQSlider::getBackgroundStyle);
    info.properties.push_back(background);

    PropertyDef foreground = background;
    foreground.label = QStringLiteral("Foreground");
    foreground.setFillStyle = tavixBindAccessor(&TavixQSlider::setForegroundStyle);
    foreground.getFillStyle = tavixBindAccessor(&TavixQSlider::getForegroundStyle);
    info.properties.push_back(foreground);

    PropertyDef thumb = tavixPropertyDef(QStringLiteral("Thumb"), FillStyleRef);
    tavixAddStateOptions(thumb);
    thumb.setFillStyle = tavixBindAccessor(&TavixQSlider::setThumbStyle);
    thumb.getFillStyle = tavixBindAccessor(&TavixQSlider::getThumbStyle);
    info.properties.push_back(thumb);

    PropertyDef horizontal = tavixPropertyDef(QStringLiteral("IsHorizontal"), Bool);
    horizontal.setBool = tavixBindAccessor(&TavixQSlider::setIsHorizontal);
    horizontal.getBool = tavixBindAccessor(&TavixQSlider::getIsHorizontal);
    info.properties.push_back(horizontal);

    PropertyDef thumbSize = tavixPropertyDef(QStringLiteral("ThumbWidth"), IntPair);
    thumbSize.setIntPair = tavixBindAccessor(&TavixQSlider::setThumbSize);
    thumbSize.getIntPair = tavixBindAccessor(&TavixQSlider::getThumbSize);
    info.properties.push_back(thumbSize);

    PropertyDef maxValue = tavixPropertyDef(QStringLiteral("MaxValue"), Int);
    maxValue.setInt = tavixBindAccessor(&QAbstractSlider::setMaximum);
    maxValue.getInt = tavixBindAccessor(&QAbstractSlider::maximum);
    info.properties.push_back(maxValue);

    PropertyDef minValue = tavixPropertyDef(QStringLiteral("MinValue"), Int);
    minValue.setInt = tavixBindAccessor(&QAbstractSlider::setMinimum);
    minValue.getInt = tavixBindAccessor(&QAbstractSlider::minimum);
    info.properties.push_back(minValue);

    PropertyDef value = tavixPropertyDef(QStringLiteral("Value"), Int);
    value.setInt = tavixBindAccessor(&QAbstractSlider::setValue);
    value.getInt = tavixBindAccessor(&QAbstractSlider::value);
    info.properties.push_back(value);
    return info;
}

void TavixQSlider::setBackgroundStyle(CommonCtrlState, const FillStyle &style)
{
    m_impl->background = style;
    update();
}

const FillStyle &TavixQSlider::getBackgroundStyle(CommonCtrlState) const
{
    return m_impl->background;
}

void TavixQSlider::setForegroundStyle(CommonCtrlState, const FillStyle &style)
{
    m_impl->foreground = style;
    update();
}

const FillStyle &TavixQSlider::getForegroundStyle(CommonCtrlState) const
{
    return m_impl->foreground;
}

void TavixQSlider::setThumbStyle(CtrlState state, const FillStyle &style)
{
    tavixSetPerState(m_impl->thumbStyles, state, style);
    update();
}

const FillStyle &TavixQSlider::getThumbStyle(CtrlState state) const
{
    return m_impl->thumbStyles[tavixStateIndex(state)];
}

void TavixQSlider::setThumbSize(int width, int height)
{
    m_impl->thumbWidth = qBound(0, width, TavixQSliderImpl::kMaxLength);
    m_impl->thumbHeight = qBound(0, height, TavixQSliderImpl::kMaxLength);
    // The style's handle and the pixel-to-value mapping both follow the thumb.
    updateGeometry();
    update();
}

void TavixQSlider::getThumbSize(int &width, int &height) const
{
    width = m_impl->thumbWidth;
    height = m_impl->thumbHeight;
}

QSize TavixQSlider::getThumbBtnSize() const
{
    return QSize(m_impl->thumbWidth, m_impl->thumbHeight);
}

int TavixQSlider::getSliderLength() const
{
    return orientation() == Qt::Horizontal ? m_impl->thumbWidth : m_impl->thumbHeight;
}

void TavixQSlider::setChannelHeight(int height)
{
    m_impl->channelHeight = qBound(0, height, TavixQSliderImpl::kMaxLength);
    update();
}

int TavixQSlider::getChannelHeight() const
{
    return m_impl->channelHeight;
}

void TavixQSlider::setIsHorizontal(bool horizontal)
{
    setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
}

bool TavixQSlider::getIsHorizontal() const
{
    return orientation() == Qt::Horizontal;
}

QRect TavixQSlider::getThumbRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    QRect rect = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    rect.setSize(getThumbBtnSize());
    return rect;
}

void TavixQSlider::initStyleOption(QStyleOptionSlider *option) const
{
    if (option)
        QSlider::initStyleOption(option);
}

} // namespace TavixQtLib
