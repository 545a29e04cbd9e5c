#include "controls/TavixQSwitch.h"

#include "controls/TavixQSwitchImpl.h"

#include <QKeyEvent>

namespace TavixQtLib {

TAVIX_DEFINE_CONTROL(TavixQSwitch, "qtswitch")

TavixQSwitch::TavixQSwitch(QWidget *parent)
    : QWidget(parent)
{
    m_impl = new TavixQSwitchImpl(this);
    setFocusPolicy(Qt::StrongFocus);   // as a check box: Tab and clicks give it focus
    m_impl->applyTheme();
}

TavixQSwitch::~TavixQSwitch()
{
    tavixDestroyImpl(this, m_impl);
}

ControlInfo TavixQSwitch::getProps()
{
    ControlInfo info;
    info.typeName = typeName();
    info.className = "TavixQSwitch";
    info.displayName = "Switch";
    info.description = "Control Switch";
    info.iconName = "switch";
    info.properties = tavixCommonPropertyDefs();

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    background.addOption(CommonNormal, QStringLiteral("Normal"));
    background.addOption(CommonDisable, QStringLiteral("Disable"));
    background.setFillStyle = tavixBindAccessor(&TavixQSwitch::setBackgroundStyle);
    background.getFillStyle = tavixBindAccessor(&TavixQSwitch::getBackgroundStyle);
    info.properties.push_back(background);

    PropertyDef thumb = tavixPropertyDef(QStringLiteral("Thumb"), FillStyleRef);
    tavixAddStateOptions(thumb);
    thumb.setFillStyle = tavixBindAccessor(&TavixQSwitch::setThumbStyle);
    thumb.getFillStyle = tavixBindAccessor(&TavixQSwitch::getThumbStyle);
    info.properties.push_back(thumb);

    PropertyDef textStyle = tavixPropertyDef(QStringLiteral("TextStyle"), TextStyleRef);
    textStyle.addOption(Left, QStringLiteral("Left"));
    textStyle.addOption(Right, QStringLiteral("Right"));
    textStyle.setTextStyle = tavixBindAccessor(&TavixQSwitch::setTextStyle);
    textStyle.getTextStyle = tavixBindAccessor(&TavixQSwitch::getTextStyle);
    info.properties.push_back(textStyle);

    PropertyDef leftText = tavixPropertyDef(QStringLiteral("LeftText"), String);
    leftText.setString = tavixBindAccessor(&TavixQSwitch::setLeftText);
    leftText.getString = tavixBindAccessor(&TavixQSwitch::getLeftText);
    info.properties.push_back(leftText);

    PropertyDef rightText = tavixPropertyDef(QStringLiteral("RightText"), String);
    rightText.setString = tavixBindAccessor(&TavixQSwitch::setRightText);
    rightText.getString = tavixBindAccessor(&TavixQSwitch::getRightText);
    info.properties.push_back(rightText);

    PropertyDef speed = tavixPropertyDef(QStringLiteral("Speed"), Int);
    speed.setInt = [](QWidget *w, int ms) {
        if (auto *s = qobject_cast<TavixQSwitch *>(w))
            s->setSwitchSpeed(unsigned(qMax(0, ms)));   // a negative entry is not a huge duration
    };
    speed.getInt = tavixBindAccessor(&TavixQSwitch::getSwitchSpeed);
    info.properties.push_back(speed);

    PropertyDef thumbSize = tavixPropertyDef(QStringLiteral("ThumbSize"), IntPair);
    thumbSize.setIntPair = tavixBindAccessor(&TavixQSwitch::setThumbSize);
    thumbSize.getIntPair = tavixBindAccessor(&TavixQSwitch::getThumbSize);
    info.properties.push_back(thumbSize);

    PropertyDef defaultIsLeft = tavixPropertyDef(QStringLiteral("DefaultIsLeft"), Bool);
    defaultIsLeft.setBool = tavixBindAccessor(&TavixQSwitch::setSwitchToLeft);
    defaultIsLeft.getBool = tavixBindAccessor(&TavixQSwitch::getIsSwitchToLeft);
    info.properties.push_back(defaultIsLeft);

    PropertyDef margin = tavixPropertyDef(QStringLiteral("Margin"), Int);
    margin.setInt = tavixBindAccessor(&TavixQSwitch::setMargin);
    margin.getInt = tavixBindAccessor(&TavixQSwitch::getMargin);
    info.properties.push_back(margin);
    return info;
}

void TavixQSwitch::setBackgroundStyle(CommonCtrlState, const FillStyle &style)
{
    m_impl->background = style;
    update();
}

const FillStyle &TavixQSwitch::getBackgroundStyle(CommonCtrlState) const
{
    return m_impl->background;
}

void TavixQSwitch::setThumbStyle(CtrlState state, const FillStyle &style)
{
    tavixSetPerState(m_impl->thumbStyles, state, style);
    update();
}

const FillStyle &TavixQSwitch::getThumbStyle(CtrlState state) const
{
    return m_impl->thumbStyles[tavixStateIndex(state)];
}

void TavixQSwitch::setTextStyle(SwitchPosition position, const TextStyleDesc &style)
{
    (position == Right ? m_impl->rightTextStyle : m_impl->leftTextStyle) = style;
    update();
}

const TextStyleDesc &TavixQSwitch::getTextStyle(SwitchPosition position) const
{
    return position == Right ? m_impl->rightTextStyle : m_impl->leftTextStyle;
}

void TavixQSwitch::setLeftText(const QString &text)
{
    const QString before = m_impl->stateText();
    m_impl->leftText = text;
    update();
    m_impl->announceStateText(before);
}

QString TavixQSwitch::getLeftText() const
{
    return m_impl->leftText;
}

void TavixQSwitch::setRightText(const QString &text)
{
    const QString before = m_impl->stateText();
    m_impl->rightText = text;
    update();
    m_impl->announceStateText(before);
}

QString TavixQSwitch::getRightText() const
{
    return m_impl->rightText;
}

void TavixQSwitch::setThumbSize(int width, int height)
{
    m_impl->thumbSize = QSize(qBound(0, width, TavixQSwitchImpl::kMaxLength),
                              qBound(0, height, TavixQSwitchImpl::kMaxLength));
    update();
    updateGeometry();
}

void TavixQSwitch::getThumbSize(int &width, int &height) const
{
    width = m_impl->thumbSize.width();
    height = m_impl->thumbSize.height();
}

void TavixQSwitch::setThumbBtnSize(const QSize &size)
{
    setThumbSize(size.width(), size.height());
}

QSize TavixQSwitch::getThumbBtnSize() const
{
    return m_impl->thumbSize;
}

void TavixQSwitch::setSwitchSpeed(unsigned int ms)
{
    m_impl->speed = int(qMin(ms, unsigned(TavixQSwitchImpl::kMaxSpeed)));
}

unsigned int TavixQSwitch::getSwitchSpeed() const
{
    return unsigned(m_impl->speed);
}

void TavixQSwitch::setMargin(int margin)
{
    m_impl->margin = qBound(0, margin, TavixQSwitchImpl::kMaxLength);
    update();
    updateGeometry();
}

int TavixQSwitch::getMargin() const
{
    return m_impl->margin;
}

void TavixQSwitch::setSwitchToLeft(bool left)
{
    m_impl->setSide(left);
}

bool TavixQSwitch::getIsSwitchToLeft() const
{
    return m_impl->switchToLeft;
}

void TavixQSwitch::setShowAllText(bool show)
{
    const QString before = m_impl->stateText();
    m_impl->showAllText = show;
    update();
    m_impl->announceStateText(before);
}

bool TavixQSwitch::getShowAllText() const
{
    return m_impl->showAllText;
}

// Room for the thumb at either end, where the two captions are drawn too.
QSize TavixQSwitch::sizeHint() const
{
    const int margin = m_impl->margin;
    const QSize thumb = m_impl->thumbSize;
    return QSize(2 * margin + 2 * thumb.width(), 2 * margin + thumb.height());   // bounded by kMaxLength
}

void TavixQSwitch::paintEvent(QPaintEvent *event)
{
    if (m_impl)
        m_impl->paintEvent(event);
}

TAVIX_DEFINE_FORWARDED_EVENT(TavixQSwitch, QWidget, enterEvent, TavixEnterEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQSwitch, QWidget, leaveEvent, QEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQSwitch, QWidget, mouseMoveEvent, QMouseEvent)

// QWidget's press and release handlers ignore the event, which would hand the click on to the
// parent as well; the switch keeps its clicks.
void TavixQSwitch::mousePressEvent(QMouseEvent *event)
{
    if (m_impl)
        m_impl->mousePressEvent(event);   // starts a toggle; may end in toggled() when the speed is 0
}

void TavixQSwitch::keyPressEvent(QKeyEvent *event)
{
    const bool space = event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier
                       && !event->isAutoRepeat();
    if (m_impl && (space || TavixQWidgetBaseImpl::isEnterKey(event))) {
        event->accept();
        m_impl->toggle();   // may emit toggled() at once when the speed is 0; a slot may delete the switch
        return;
    }
    QWidget::keyPressEvent(event);
}

void TavixQSwitch::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_impl)
        m_impl->mouseReleaseEvent(event);
}

} // namespace TavixQtLib
