#include "controls/TavixQScrollBar.h"

#include "controls/TavixQScrollBarImpl.h"

#include <QMouseEvent>
#include <QPointer>
#include <QStyleOptionSlider>

namespace TavixQtLib {

namespace {

const FillStyle &stateStyle(const FillStyle *styles, CtrlState state)
{
    return styles[qBound(0, int(state), 3)];
}

const FillStyle &noStyle()
{
    static const FillStyle none;
    return none;
}

} // namespace

TavixQScrollBar::TavixQScrollBar(QWidget *parent)
    : QScrollBar(parent)
{
    setUp();
}

TavixQScrollBar::TavixQScrollBar(Qt::Orientation orientation, QWidget *parent)
    : QScrollBar(orientation, parent)
{
    setUp();
}

void TavixQScrollBar::setUp()
{
    setMouseTracking(true);
    m_impl = new TavixQScrollBarImpl(this);
    m_impl->horizontal = orientation() == Qt::Horizontal;
    m_impl->applyTheme();
}

TavixQScrollBar::~TavixQScrollBar()
{
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQScrollBar, "qtscrollbar")

ControlInfo TavixQScrollBar::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQScrollBar", "ScrollBar",
                                        "Control ScrollBar", "scrollbar");

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    background.addOption(Normal, QStringLiteral("Normal"));
    background.addOption(CommonDisable, QStringLiteral("Disable"));
    background.setFillStyle = tavixBindAccessor(&TavixQScrollBar::setScrollbarBackground);
    background.getFillStyle = tavixBindAccessor(&TavixQScrollBar::getScrollbarBackground);
    info.properties.push_back(background);

    PropertyDef up = tavixPropertyDef(QStringLiteral("UpButton"), FillStyleRef);
    tavixAddStateOptions(up);
    up.setFillStyle = tavixBindAccessor(&TavixQScrollBar::setScrollbarUpButton);
    up.getFillStyle = tavixBindAccessor(&TavixQScrollBar::getScrollbarUpButton);
    info.properties.push_back(up);

    PropertyDef down = tavixPropertyDef(QStringLiteral("DownButton"), FillStyleRef);
    tavixAddStateOptions(down);
    down.setFillStyle = tavixBindAccessor(&TavixQScrollBar::setScrollbarDownButton);
    down.getFillStyle = tavixBindAccessor(&TavixQScrollBar::getScrollbarDownButton);
    info.properties.push_back(down);

    PropertyDef thumb = tavixPropertyDef(QStringLiteral("Thumb"), FillStyleRef);
    tavixAddStateOptions(thumb);
    thumb.setFillStyle = tavixBindAccessor(&TavixQScrollBar::setScrollbarThumb);
    thumb.getFillStyle = tavixBindAccessor(&TavixQScrollBar::getScrollbarThumb);
    info.properties.push_back(thumb);

    PropertyDef thumbIcon = tavixPropertyDef(QStringLiteral("Thumb"), ImagePath);
    thumbIcon.setString = tavixBindAccessor(&TavixQScrollBar::setScrollbarThumbIcon);
    thumbIcon.getString = tavixBindAccessor(&TavixQScrollBar::getScrollbarThumbIcon);
    info.properties.push_back(thumbIcon);
    return info;
}

void TavixQScrollBar::setScrollbarBackground(CtrlState, const FillStyle &style)
{
    if (!m_impl)
        return;
    m_impl->background = style;
    update();
}

const FillStyle &TavixQScrollBar::getScrollbarBackground(CtrlState) const
{
    return m_impl ? m_impl->background : noStyle();
}

void TavixQScrollBar::setScrollbarUpButton(CtrlState state, const FillStyle &style)
{
    if (!m_impl)
        return;
    tavixSetPerState(m_impl->upButton, state, style);
    update();
}

const FillStyle &TavixQScrollBar::getScrollbarUpButton(CtrlState state) const
{
    return m_impl ? stateStyle(m_impl->upButton, state) : noStyle();
}

void TavixQScrollBar::setScrollbarDownButton(CtrlState state, const FillStyle &style)
{
    if (!m_impl)
        return;
    tavixSetPerState(m_impl->downButton, state, style);
    update();
}

const FillStyle &TavixQScrollBar::getScrollbarDownButton(CtrlState state) const
{
    return m_impl ? stateStyle(m_impl->downButton, state) : noStyle();
}

void TavixQScrollBar::setScrollbarThumb(CtrlState state, const FillStyle &style)
{
    if (!m_impl)
        return;
    tavixSetPerState(m_impl->thumb, state, style);
    update();
}

const FillStyle &TavixQScrollBar::getScrollbarThumb(CtrlState state) const
{
    return m_impl ? stateStyle(m_impl->thumb, state) : noStyle();
}

void TavixQScrollBar::setScrollbarBtnIcon(bool up, const QString &path)
{
    if (!m_impl)
        return;
    (up ? m_impl->upIcon : m_impl->downIcon) = path;
    update();
}

QString TavixQScrollBar::getScrollbarBtnIcon(bool up) const
{
    if (!m_impl)
        return QString();
    return up ? m_impl->upIcon : m_impl->downIcon;
}

void TavixQScrollBar::setScrollbarIconStyle(bool up, const IconStyleDesc &style)
{
    if (!m_impl)
        return;
    (up ? m_impl->upIconStyle : m_impl->downIconStyle) = style;
    update();
}

IconStyleDesc TavixQScrollBar::getScrollbarIconStyle(bool up) const
{
    if (!m_impl)
        return IconStyleDesc();
    return up ? m_impl->upIconStyle : m_impl->downIconStyle;
}

void TavixQScrollBar::setScrollbarThumbIcon(const QString &path)
{
    if (!m_impl || m_impl->thumbIcon == path)
        return;
    m_impl->thumbIcon = path;
    update();
}

QString TavixQScrollBar::getScrollbarThumbIcon() const
{
    return m_impl ? m_impl->thumbIcon : QString();
}

void TavixQScrollBar::setWidthHeight(int thickness)
{
    // Any negative value means "the style's thickness"; a negative hint would be invalid.
    const int value = thickness < 0 ? -1 : thickness;
    if (!m_impl || m_impl->widthHeight == value)
        return;
    m_impl->widthHeight = value;
    updateGeometry();
}

int TavixQScrollBar::getWidthHeight() const
{
    return m_impl ? m_impl->widthHeight : -1;
}

QSize TavixQScrollBar::sizeHint() const
{
    QSize hint = QScrollBar::sizeHint();
    if (m_impl && m_impl->widthHeight != -1) {
        if (orientation() == Qt::Horizontal)
            hint.setHeight(m_impl->widthHeight);
        else
            hint.setWidth(m_impl->widthHeight);
    }
    return hint;
}

void TavixQScrollBar::initStyleOption(QStyleOptionSlider *option) const
{
    if (option)
        QScrollBar::initStyleOption(option);
}

TAVIX_DEFINE_FORWARDED_EVENTS(TavixQScrollBar, QScrollBar)

} // namespace TavixQtLib
