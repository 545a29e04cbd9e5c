#include "controls/views/TavixQMenuBar.h"

#include "controls/views/TavixQMenuBarImpl.h"

#include <QAction>
#include <QActionEvent>
#include <QKeyEvent>

namespace TavixQtLib {

TavixQMenuBar::TavixQMenuBar(QWidget *parent)
    : QMenuBar(parent)
{
    m_impl = new TavixQMenuBarImpl(this);
    // The kit paints every entry, so the bar must stay a widget, never the platform's menu bar.
    setNativeMenuBar(false);
    setMouseTracking(true);
    m_impl->applyTheme();
}

TavixQMenuBar::~TavixQMenuBar()
{
    // Deleted while its signals are held: destroyed() must still reach its receivers.
    if (m_holding)
        blockSignals(false);
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQMenuBar, "qtmenubar")

ControlInfo TavixQMenuBar::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQMenuBar", "MenuBar", "Control MenuBar", "menu");

    const auto commonOptions = [](PropertyDef &def) {
        def.addOption(CommonNormal, QStringLiteral("Normal"));
        def.addOption(CommonDisable, QStringLiteral("Disable"));
    };

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    commonOptions(background);
    background.setFillStyle = tavixBindAccessor(&TavixQMenuBar::setBackground);
    background.getFillStyle = tavixBindAccessor(&TavixQMenuBar::getBackground);
    info.properties.push_back(background);

    PropertyDef item = tavixPropertyDef(QStringLiteral("ItemBackground"), FillStyleRef);
    tavixAddStateOptions(item);
    item.setFillStyle = tavixBindAccessor(&TavixQMenuBar::setItemBackground);
    item.getFillStyle = tavixBindAccessor(&TavixQMenuBar::getItemBackground);
    info.properties.push_back(item);

    PropertyDef text = tavixPropertyDef(QStringLiteral("ItemTextStyle"), TextStyleRef);
    tavixAddStateOptions(text);
    text.setTextStyle = tavixBindAccessor(&TavixQMenuBar::setTextStyle);
    text.getTextStyle = tavixBindAccessor(&TavixQMenuBar::getTextStyle);
    info.properties.push_back(text);

    PropertyDef popup = tavixPropertyDef(QStringLiteral("PopupBackground"), FillStyleRef);
    commonOptions(popup);
    popup.setFillStyle = tavixBindAccessor(&TavixQMenuBar::setPopupBackground);
    popup.getFillStyle = tavixBindAccessor(&TavixQMenuBar::getPopupBackground);
    info.properties.push_back(popup);

    PropertyDef popupItem = tavixPropertyDef(QStringLiteral("PopupItemBackground"), FillStyleRef);
    tavixAddStateOptions(popupItem);
    popupItem.setFillStyle = tavixBindAccessor(&TavixQMenuBar::setPopupItemBackground);
    popupItem.getFillStyle = tavixBindAccessor(&TavixQMenuBar::getPopupItemBackground);
    info.properties.push_back(popupItem);

    PropertyDef popupText = tavixPropertyDef(QStringLiteral("PopupItemTextStyle"), TextStyleRef);
    tavixAddStateOptions(popupText);
    popupText.setTextStyle = tavixBindAccessor(&TavixQMenuBar::setPopupTextStyle);
    popupText.getTextStyle = tavixBindAccessor(&TavixQMenuBar::getPopupTextStyle);
    info.properties.push_back(popupText);
    return info;
}

QRect TavixQMenuBar::actionGeometry(QAction *action) const
{
    return action ? QMenuBar::actionGeometry(action) : QRect();
}

void TavixQMenuBar::setBackground(CommonCtrlState, const FillStyle &style)
{
    m_impl->background = style;
    update();
}

const FillStyle &TavixQMenuBar::getBackground(CommonCtrlState) const
{
    return m_impl->background;
}

void TavixQMenuBar::setItemBackground(CtrlState state, const FillStyle &style)
{
    tavixSetPerState(m_impl->itemBackgrounds, state, style);
    update();
}

const FillStyle &TavixQMenuBar::getItemBackground(CtrlState state) const
{
    return m_impl->itemBackgrounds[tavixStateIndex(state)];
}

void TavixQMenuBar::setTextStyle(CtrlState state, const TextStyleDesc &style)
{
    tavixSetPerState(m_impl->textStyles, state, style);
    update();
}

const TextStyleDesc &TavixQMenuBar::getTextStyle(CtrlState state) const
{
    return m_impl->textStyles[tavixStateIndex(state)];
}

void TavixQMenuBar::setPopupBackground(CommonCtrlState, const FillStyle &style)
{
    m_impl->popupBackground = style;
}

const FillStyle &TavixQMenuBar::getPopupBackground(CommonCtrlState) const
{
    return m_impl->popupBackground;
}

void TavixQMenuBar::setPopupItemBackground(CtrlState state, const FillStyle &style)
{
    if (state >= Normal && state <= Disable)
        m_impl->popupItemBackgrounds[state] = style;
}

const FillStyle &TavixQMenuBar::getPopupItemBackground(CtrlState state) const
{
    return m_impl->popupItemBackgrounds[tavixStateIndex(state)];
}

void TavixQMenuBar::setPopupTextStyle(CtrlState state, const TextStyleDesc &style)
{
    if (state >= Normal && state <= Disable)
        m_impl->popupTextStyles[state] = style;
}

const TextStyleDesc &TavixQMenuBar::getPopupTextStyle(CtrlState state) const
{
    return m_impl->popupTextStyles[tavixStateIndex(state)];
}

void TavixQMenuBar::actionEvent(QActionEvent *event)
{
    QMenuBar::actionEvent(event);
    QAction *action = event->action();
    if (event->type() == QEvent::ActionAdded) {
        connect(action, &QAction::triggered, this, &TavixQMenuBar::noteTriggered, Qt::UniqueConnection);
        connect(action, &QAction::hovered, this, &TavixQMenuBar::noteHovered, Qt::UniqueConnection);
    } else if (event->type() == QEvent::ActionRemoved) {
        disconnect(action, &QAction::triggered, this, &TavixQMenuBar::noteTriggered);
        disconnect(action, &QAction::hovered, this, &TavixQMenuBar::noteHovered);
    }
}

void TavixQMenuBar::noteTriggered()
{
    if (m_holding)
        m_fired = qobject_cast<QAction *>(sender());
}

void TavixQMenuBar::noteHovered()
{
    if (m_holding)
        m_hovered = qobject_cast<QAction *>(sender());
}

template <class Fn>
void TavixQMenuBar::activateHoldingSignals(Fn &&qtHandler)
{
    if (m_holding || signalsBlocked()) {
        qtHandler();
        return;
    }
    QPointer<TavixQMenuBar> alive(this);
    blockSignals(true);
    m_holding = true;
    m_fired.clear();
    m_hovered.clear();
    qtHandler();
    if (!alive)
        return;
    blockSignals(false);
    m_holding = false;
    const QPointer<QAction> hoveredAction = m_hovered;
    const QPointer<QAction> fired = m_fired;
    m_hovered.clear();
    m_fired.clear();
    if (hoveredAction)
        emit hovered(hoveredAction);
    if (alive && fired)
        emit triggered(fired);
}

void TavixQMenuBar::keyPressEvent(QKeyEvent *event)
{
    activateHoldingSignals([&] { QMenuBar::keyPressEvent(event); });
}

// A release over an entry without a menu triggers it; a connected slot may delete the bar.
void TavixQMenuBar::mouseReleaseEvent(QMouseEvent *event)
{
    QPointer<TavixQMenuBar> alive(this);
    activateHoldingSignals([&] { QMenuBar::mouseReleaseEvent(event); });
    if (alive && m_impl)
        m_impl->mouseReleaseEvent(event);
}

TAVIX_DEFINE_FORWARDED_PAINT(TavixQMenuBar)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQMenuBar, QMenuBar, enterEvent, TavixEnterEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQMenuBar, QMenuBar, leaveEvent, QEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQMenuBar, QMenuBar, mousePressEvent, QMouseEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQMenuBar, QMenuBar, mouseMoveEvent, QMouseEvent)

} // namespace TavixQtLib
