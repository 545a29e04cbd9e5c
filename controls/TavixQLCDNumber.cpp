#include "controls/TavixQLCDNumber.h"

#include "controls/TavixQLCDNumberImpl.h"
#include "core/TavixAccessible.h"

#include <QEvent>

#include <cmath>

namespace TavixQtLib {

TAVIX_DEFINE_CONTROL(TavixQLCDNumber, "qtlcdnumber")
TAVIX_DEFINE_FORWARDED_EVENTS(TavixQLCDNumber, QLCDNumber)

TavixQLCDNumber::TavixQLCDNumber(QWidget *parent)
    : QLCDNumber(parent)
{
    m_impl = new TavixQLCDNumberImpl(this);
    setFrameShape(QFrame::NoFrame);
    // Only the fill style shows behind the digits. Set before the theme so that polishing for the
    // style sheet cannot replace a digit colour the theme gives.
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    m_impl->applyTheme();
}

TavixQLCDNumber::~TavixQLCDNumber()
{
    tavixDestroyImpl(this, m_impl);
}

ControlInfo TavixQLCDNumber::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQLCDNumber";
    info.displayName = "LCDNumber";
    info.description = "Control LCDNumber";
    info.iconName = "led";
    info.properties = tavixCommonPropertyDefs();

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    background.addOption(CommonNormal, QStringLiteral("Normal"));
    background.addOption(CommonDisable, QStringLiteral("Disable"));
    background.setFillStyle = tavixBindAccessor(&TavixQLCDNumber::setBackground);
    background.getFillStyle = tavixBindAccessor(&TavixQLCDNumber::getBackground);
    info.properties.push_back(background);

    PropertyDef digits = tavixPropertyDef(QStringLiteral("DigitCount"), Int);
    digits.setInt = tavixBindAccessor(&TavixQLCDNumber::setDigitCountChecked);
    digits.getInt = tavixBindAccessor(&TavixQLCDNumber::getDigitCount);
    info.properties.push_back(digits);

    PropertyDef color = tavixPropertyDef(QStringLiteral("TextColor"), Color);
    color.setColor = tavixBindAccessor(&TavixQLCDNumber::setColor);
    color.getColor = tavixBindAccessor(&TavixQLCDNumber::getColor);
    info.properties.push_back(color);

    PropertyDef text = tavixPropertyDef(QStringLiteral("Text"), ObjectName);
    text.setString = tavixBindAccessor(&TavixQLCDNumber::setNumText);
    text.getString = tavixBindAccessor(&TavixQLCDNumber::getNumText);
    info.properties.push_back(text);
    return info;
}

void TavixQLCDNumber::setNumText(const QString &text)
{
    display(text);
    m_impl->numText = text;
    m_impl->numTextValue = value();
    m_impl->hasNumText = true;
    tavixNotifyAccessibleName(this);   // a reading that changes is what a screen reader announces
}

QString TavixQLCDNumber::getNumText() const
{
    // display(double) and display(int) are not virtual: a value shown since then replaces the text.
    const double shown = value();
    const bool same = shown == m_impl->numTextValue || (std::isnan(shown) && std::isnan(m_impl->numTextValue));
    if (m_impl->hasNumText && same)
        return m_impl->numText;
    return QStringLiteral("%1").arg(shown);
}

void TavixQLCDNumber::setColor(const QColor &color)
{
    m_impl->color = color;
    m_impl->applyColor();
}

// Polishing for the style sheet puts back the palette the widget had before it: a colour set earlier
// (by its page, before the page is first shown) is applied again.
bool TavixQLCDNumber::event(QEvent *event)
{
    const bool result = QLCDNumber::event(event);
    if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange)
        m_impl->applyColor();
    return result;
}

QColor TavixQLCDNumber::getColor() const
{
    return palette().color(QPalette::Active, QPalette::WindowText);
}

void TavixQLCDNumber::setBackground(CommonCtrlState, const FillStyle &style)
{
    m_impl->background = style;
    update();
}

const FillStyle &TavixQLCDNumber::getBackground(CommonCtrlState) const
{
    return m_impl->background;
}

void TavixQLCDNumber::setDigitCountChecked(int count)
{
    // QLCDNumber clamps out-of-range counts itself, but warns on the console; the kit stays silent.
    if (count < 0 || count > TavixQLCDNumberImpl::kMaxDigits)
        return;
    setDigitCount(count);
}

} // namespace TavixQtLib
