#include "controls/TavixQProgressBar.h"

#include "controls/TavixQProgressBarImpl.h"

namespace TavixQtLib {

TAVIX_DEFINE_CONTROL(TavixQProgressBar, "qtprogressbar")
TAVIX_DEFINE_FORWARDED_EVENTS(TavixQProgressBar, QProgressBar)

TavixQProgressBar::TavixQProgressBar(QWidget *parent)
    : QProgressBar(parent)
{
    m_impl = new TavixQProgressBarImpl(this);
    m_impl->applyTheme();
}

TavixQProgressBar::~TavixQProgressBar()
{
    tavixDestroyImpl(this, m_impl);
}

ControlInfo TavixQProgressBar::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQProgressBar";
    info.displayName = "ProgressBar";
    info.description = "Control ProgressBar";
    info.iconName = "progressbar";
    info.properties = tavixCommonPropertyDefs();

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    background.addOption(CommonNormal, QStringLiteral("Normal"));
    background.addOption(CommonDisable, QStringLiteral("Disable"));
    background.setFillStyle = tavixBindAccessor(&TavixQProgressBar::setBackground);
    background.getFillStyle = tavixBindAccessor(&TavixQProgressBar::getBackground);
    info.properties.push_back(background);

    PropertyDef foreground = background;
    foreground.label = QStringLiteral("Foreground");
    foreground.setFillStyle = tavixBindAccessor(&TavixQProgressBar::setForeground);
    foreground.getFillStyle = tavixBindAccessor(&TavixQProgressBar::getForeground);
    info.properties.push_back(foreground);

    PropertyDef showText = tavixPropertyDef(QStringLiteral("ShowText"), Bool);
    showText.setBool = tavixBindAccessor(&TavixQProgressBar::setShowText);
    showText.getBool = tavixBindAccessor(&TavixQProgressBar::getShowText);
    info.properties.push_back(showText);
    return info;
}

void TavixQProgressBar::setBackground(CommonCtrlState, const FillStyle &style)
{
    m_impl->background = style;
    update();
}

const FillStyle &TavixQProgressBar::getBackground(CommonCtrlState) const
{
    return m_impl->background;
}

void TavixQProgressBar::setForeground(CommonCtrlState, const FillStyle &style)
{
    m_impl->foreground = style;
    update();
}

const FillStyle &TavixQProgressBar::getForeground(CommonCtrlState) const
{
    return m_impl->foreground;
}

void TavixQProgressBar::setTextStyle(const TextStyleDesc &style)
{
    m_impl->textStyle = style;
    update();
}

const TextStyleDesc &TavixQProgressBar::getTextStyle() const
{
    return m_impl->textStyle;
}

void TavixQProgressBar::setShowText(bool show)
{
    m_impl->showText = show;
    update();
}

bool TavixQProgressBar::getShowText() const
{
    return m_impl->showText;
}

void TavixQProgressBar::setCircleProgressBar(bool circle)
{
    m_impl->isCircle = circle;
    update();
}

bool TavixQProgressBar::getIsCircleProgressBar() const
{
    return m_impl->isCircle;
}

void TavixQProgressBar::setCircleAngleRange(int start, int end)
{
    if (end <= start || start < 1)
        return;
    m_impl->circleStartAngle = start;
    m_impl->circleEndAngle = end;
    update();
}

void TavixQProgressBar::getCirleAngleRange(int &start, int &end) const
{
    start = m_impl->circleStartAngle;
    end = m_impl->circleEndAngle;
}

} // namespace TavixQtLib
