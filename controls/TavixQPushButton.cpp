#include "controls/TavixQPushButton.h"

#include "controls/TavixQPushButtonImpl.h"
#include "resources/TavixPainting.h"

#include <QKeyEvent>
#include <QPointer>

#include <algorithm>

namespace TavixQtLib {

TavixQPushButton::TavixQPushButton(QWidget *parent)
    : QPushButton(parent)
{
    m_impl = new TavixQPushButtonImpl(this);
    setAttribute(Qt::WA_MouseTracking, true);
    m_impl->applyTheme();
}

TavixQPushButton::~TavixQPushButton()
{
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQPushButton, "qtbutton")

ControlInfo TavixQPushButton::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQPushButton", "Button", "PushButton", "button");

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    tavixAddStateOptions(background);
    background.setFillStyle = tavixBindAccessor(&TavixQPushButton::setBackground);
    background.getFillStyle = tavixBindAccessor(&TavixQPushButton::getBackground);
    info.properties.push_back(background);

    PropertyDef drawBackground = tavixPropertyDef(QStringLiteral("DrawBackground"), Bool);
    drawBackground.setBool = tavixBindAccessor(&TavixQPushButton::setDrawBackground);
    drawBackground.getBool = tavixBindAccessor(&TavixQPushButton::getDrawBackground);
    info.properties.push_back(drawBackground);

    PropertyDef fadeEnabled = tavixPropertyDef(QStringLiteral("FadeEnabled"), Bool);
    fadeEnabled.setBool = tavixBindAccessor(&TavixQPushButton::setFadeEnabled);
    fadeEnabled.getBool = tavixBindAccessor(&TavixQPushButton::getFadeEnabled);
    info.properties.push_back(fadeEnabled);

    PropertyDef fadeDuration = tavixPropertyDef(QStringLiteral("FadeDuration"), Int);
    fadeDuration.setInt = tavixBindAccessor(&TavixQPushButton::setFadeDuration);
    fadeDuration.getInt = tavixBindAccessor(&TavixQPushButton::getFadeDuration);
    info.properties.push_back(fadeDuration);
    return info;
}

void TavixQPushButton::setBackground(CtrlState state, const FillStyle &style)
{
    tavixSetPerState(m_impl->backgrounds, state, style);
}

const FillStyle &TavixQPushButton::getBackground(CtrlState state) const
{
    return m_impl->backgrounds[tavixStateIndex(state)];
}

void TavixQPushButton::setTextStyle(CtrlState state, const TextStyleDesc &style)
{
    tavixSetPerState(m_impl->textStyles, state, style);
}

const TextStyleDesc &TavixQPushButton::getTextStyle(CtrlState state) const
{
    return m_impl->textStyles[tavixStateIndex(state)];
}

void TavixQPushButton::setUseFillStyle(CtrlState state, bool useColor)
{
    tavixForState(m_impl->backgrounds, state, [useColor](FillStyle &s) { s.drawColor = useColor; });
}

bool TavixQPushButton::getUseFillStyle(CtrlState state) const
{
    return m_impl->backgrounds[tavixStateIndex(state)].drawColor;
}

void TavixQPushButton::setDrawBackground(bool draw)
{
    if (m_impl->drawBackground == draw)
        return;
    m_impl->drawBackground = draw;
    update();
}

bool TavixQPushButton::getDrawBackground() const
{
    return m_impl->drawBackground;
}

void TavixQPushButton::setFadeEnabled(bool enabled)
{
    m_impl->fadeEnabled = enabled;
    if (!enabled)
        m_impl->stopFade();
    update();
}

bool TavixQPushButton::getFadeEnabled() const
{
    return m_impl->fadeEnabled;
}

void TavixQPushButton::setFadeDuration(int ms)
{
    m_impl->setFadeDuration(ms);
}

int TavixQPushButton::getFadeDuration() const
{
    return m_impl->fadeDuration;
}

void TavixQPushButton::setIcon(const QString &path)
{
    m_impl->setIconPath(path);
}

void TavixQPushButton::setIcon(const QIcon &icon)
{
    m_impl->setIconObject(icon);
}

QString TavixQPushButton::getIcon() const
{
    return m_impl->iconPath;
}

void TavixQPushButton::setHotIcon(const QString &path)
{
    if (m_impl->hotIconPath == path)
        return;
    m_impl->hotIconPath = path;
    update();
}

QString TavixQPushButton::getHotIcon() const
{
    return m_impl->hotIconPath;
}

void TavixQPushButton::setPressedIcon(const QString &path)
{
    if (m_impl->pressedIconPath == path)
        return;
    m_impl->pressedIconPath = path;
    update();
}

QString TavixQPushButton::getPressedIcon() const
{
    return m_impl->pressedIconPath;
}

void TavixQPushButton::setIconStyle(const IconStyleDesc &style)
{
    m_impl->iconStyle = style;
}

IconStyleDesc TavixQPushButton::getIconStyle() const
{
    return m_impl->iconStyle;
}

void TavixQPushButton::setUseIcon(bool use)
{
    m_impl->useIcon = use;
    update();
}

bool TavixQPushButton::getUseIcon() const
{
    return m_impl->useIcon;
}

void TavixQPushButton::setShowText(bool show)
{
    m_impl->showText = show;
}

bool TavixQPushButton::getShowText() const
{
    return m_impl->showText;
}

void TavixQPushButton::setTextOffsetX(int x)
{
    m_impl->textOffsetX = x;
}

void TavixQPushButton::setTextOffsetY(int y)
{
    m_impl->textOffsetY = y;
}

int TavixQPushButton::getTextOffsetX() const
{
    return m_impl->textOffsetX;
}

int TavixQPushButton::getTextOffsetY() const
{
    return m_impl->textOffsetY;
}

TAVIX_DEFINE_FORWARDED_PAINT(TavixQPushButton)

void TavixQPushButton::enterEvent(TavixEnterEvent *event)
{
    QPushButton::enterEvent(event);
    if (!m_impl)
        return;
    m_impl->enterEvent(event);
    emit enterSignal();
}

void TavixQPushButton::leaveEvent(QEvent *event)
{
    QPushButton::leaveEvent(event);
    if (!m_impl)
        return;
    m_impl->leaveEvent(event);
    emit leaveSignal();
}

// Disabled buttons never reach the mouse handlers: QAbstractButton swallows those events so that a
// click on a disabled button does not fall through to its parent.
TAVIX_DEFINE_FORWARDED_EVENT(TavixQPushButton, QPushButton, mousePressEvent, QMouseEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQPushButton, QPushButton, mouseReleaseEvent, QMouseEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQPushButton, QPushButton, mouseMoveEvent, QMouseEvent)

// QPushButton measures the caption in the widget's font; it is drawn in the state's text style, which may
// be larger (or laid out wider at a fractional pixel ratio), so the hint leaves the widest state room.
QSize TavixQPushButton::sizeHint() const
{
    QSize hint = QPushButton::sizeHint();
    const QString caption = text();
    if (caption.isEmpty())
        return hint;
    int widest = 0;
    for (const TextStyleDesc &style : m_impl->textStyles)
        widest = std::max(widest, tavixMeasureText(style, caption).width());
    const long long needed = widest + 16LL + std::max(0, m_impl->textOffsetX);   // offsets come from pages
    hint.setWidth(int(std::min<long long>(std::max<long long>(hint.width(), needed), QWIDGETSIZE_MAX)));
    return hint;
}

void TavixQPushButton::keyPressEvent(QKeyEvent *event)
{
    if (TavixQWidgetBaseImpl::isEnterKey(event) && !autoDefault() && !isDefault()) {
        event->accept();
        click();   // a slot may delete this button, so nothing follows
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace TavixQtLib
